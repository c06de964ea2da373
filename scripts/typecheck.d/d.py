# D: the runtime and standard library LDC ships (Debian's libphobos2-ldc-shared-dev): Phobos (std)
# tunes; druntime (core), ldc and etc are held out. ctags's D parser stops after the first few tags of
# most of these files, so the row has a rule of its own: outside comments (`//`, `/* */`, nested
# `/+ +/`), the module, every class, struct, union, interface, enum, template, mixin template and alias
# it names (an enum constant's type skipped), constructors and destructors, and every function head (a type, then the name and `(` with no blank between, not ended
# by `;`, the name not a statement keyword), by the name it defines.
import re

AGGREGATE = re.compile(r"^\s*(?:@?\w+(?:\([^)]*\))?\s+)*(?:(?:class|struct|union|interface|template|"
                       r"mixin\s+template|alias)\s+|enum\s+(?:\w+\s+(?=\w))?)(\w+)\b")
CONSTRUCTOR = re.compile(r"^\s*(?:@?\w+(?:\([^)]*\))?\s+)*(~?this)\([^;]*$")
MODULE = re.compile(r"^\s*module\s+([\w.]+)")
FUNCTION = re.compile(r"^\s*(?:@?\w+(?:\([^)]*\))?\s+)*[\w.!\[\]*]+(?:\([^)]*\))?(?:\[\])*\s+(\w+)\([^;]*$")
KEYWORDS = {"if", "while", "for", "foreach", "foreach_reverse", "switch", "catch", "with", "synchronized",
            "version", "debug", "assert", "return", "scope", "mixin", "typeof", "is", "cast", "new", "delete",
            "throw", "static", "else", "in", "out", "do", "body", "case"}
TOKENS = re.compile(r'"(?:[^"\\]|\\.)*"|//|/\*|\*/|/\+|\+/')


def reference(path, lines):
    block = None  # "*/" inside a /* */ comment, or the depth of /+ +/ comments
    depth = 0
    for number, text in enumerate(lines, 1):
        if not block and not depth:
            m = MODULE.match(text) or AGGREGATE.match(text) or CONSTRUCTOR.match(text)
            if m:
                yield number, m.group(1)
            else:
                m = FUNCTION.match(text)
                if m and m.group(1) not in KEYWORDS and not re.match(r"\s*(return|else|new|throw)\b", text):
                    yield number, m.group(1)
        for token in TOKENS.findall(text):
            if block:
                if token == "*/":
                    block = None
            elif depth:
                depth += {"/+": 1, "+/": -1}.get(token, 0)
            elif token == "//":
                break
            elif token == "/*":
                block = "*/"
            elif token == "/+":
                depth = 1


ROW = {
    "type": "D",
    "debian": ["libphobos2-ldc-shared-dev"],
    "files": [CORPUS + "/deb/libphobos2-ldc-shared-dev/**/*.d", CORPUS + "/deb/libphobos2-ldc-shared-dev/**/*.di"],
    "project": r"/include/d/(\w+)",
    "held_out": r"^(core|ldc|etc)$",
    "files_name": "druntime and Phobos (libphobos2-ldc-shared-dev)",
    "reference": reference,
    "reference_name": "rule: module, aggregates, aliases, function heads outside comments",
}
