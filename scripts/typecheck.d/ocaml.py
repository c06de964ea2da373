# OCaml: the standard library and the other libraries of the compiler's package (Debian's ocaml),
# modules a to l tune; modules m to z and ExtLib (libextlib-ocaml-dev) are held out. ctags's OCaml
# parser tags local `let … in` bindings and misses top-level ones, externals and abstract types, so
# the row has a rule of its own: outside comments, `let` and `and` at a line's start, and `val`,
# `external`, `type`, `exception`, `module` (`module type`), `class` and `method` at any indentation,
# by the name they define.
import re

DEFINES = re.compile(r"^(?:(?:let|and)|\s*(?:val|external|type|exception|module|class|method))\s+"
                     r"(?:(?:rec|type|nonrec|virtual|private|mutable)\s+)*(?:'\w+\s+|\([^)]*\)\s+)?"
                     r"([a-z_A-Z][\w']*|\([^)]*\))")
COMMENT = re.compile(r'"(?:[^"\\]|\\.)*"|\(\*|\*\)')


def reference(path, lines):
    depth = 0
    for number, text in enumerate(lines, 1):
        if depth == 0:
            m = DEFINES.match(text)
            if m:
                yield number, m.group(1)
        for token in COMMENT.findall(text):
            if token == "(*":
                depth += 1
            elif token == "*)" and depth:
                depth -= 1


ROW = {
    "type": "OCaml",
    "debian": ["ocaml", "libextlib-ocaml-dev"],
    "files": [CORPUS + "/deb/ocaml/usr/lib/ocaml/**/*.ml", CORPUS + "/deb/ocaml/usr/lib/ocaml/**/*.mli",
              CORPUS + "/deb/libextlib-ocaml-dev/**/*.ml", CORPUS + "/deb/libextlib-ocaml-dev/**/*.mli"],
    "project": r"(libextlib-ocaml-dev|/lib/ocaml/(?:\w+/)?[A-Za-z])",
    "held_out": r"extlib|/[m-zM-Z]$",
    "files_name": "OCaml's libraries (ocaml), ExtLib",
    "reference": reference,
    "reference_name": "rule: top-level let/and, val, external, type, exception, module, class, method outside comments",
}
