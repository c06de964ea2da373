# Nim: Nim's standard library (Debian's nim), a project a folder of lib/: pure, core, impure and the
# rest tune; system, std, posix, js and windows are held out. ctags has no Nim parser; the rule: outside
# `#[ ]#` comments and `"""` strings, the routines (proc, func, method, iterator, converter, template,
# macro) at any indentation, and the object, enum, tuple, distinct and concept types a `type` section
# declares, by their name.
import re

ROUTINE = re.compile(r"^\s*(?:proc|func|method|iterator|converter|template|macro)\s+`?([^\s`*(\[:=]+)")
TYPE = re.compile(r"^\s*(\w+)\*?\s*(?:\[[^\]]*\])?\s*(?:\{[^}]*\}\s*)?=\s*(?:ref\s+|ptr\s+)?"
                  r"(?:object|enum|tuple|distinct|concept)\b")


def reference(path, lines):
    block = None
    for number, text in enumerate(lines, 1):
        if block:
            if block in text:
                block = None
            continue
        m = ROUTINE.match(text) or TYPE.match(text)
        if m:
            yield number, m.group(1)
        for opener, closer in (("#[", "]#"), ('"""', '"""')):
            at = text.find(opener)
            if at >= 0 and text.find(closer, at + len(opener)) < 0:
                block = closer


ROW = {
    "type": "Nim",
    "debian": ["nim"],
    "files": [CORPUS + "/deb/nim/usr/lib/nim/lib/**/*.nim"],
    "project": r"/lib/nim/lib/(\w+)",
    "held_out": r"^(system|std|posix|js|windows)$",
    "files_name": "Nim's library (nim)",
    "reference": reference,
    "reference_name": "rule: routines, object/enum/tuple/distinct/concept types",
}
