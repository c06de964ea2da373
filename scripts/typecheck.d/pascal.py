# Pascal: the Free Pascal sources. ctags stops partway through many units here, so the reference is a rule:
# every procedure, function, constructor, destructor or operator keyword outside comments and strings that
# is followed by the routine's name (procedural types, `procedure of object` and anonymous routines have
# none), in the interface (declarations) and the implementation (definitions) alike.
import re

KEYWORDS = {"procedure", "function", "constructor", "destructor", "operator"}
TOKEN = re.compile(r"\{[^}]*\}|\(\*.*?\*\)|//[^\n]*|'(?:[^'\n]|'')*'?|[A-Za-z_][\w.]*|[^\sA-Za-z_]", re.S)


def reference(path, lines):
    text = "\n".join(lines)
    pending = None
    for m in TOKEN.finditer(text):
        token = m.group()
        if token[0] in "{'" or token.startswith("(*") or token.startswith("//"):
            continue
        if pending is not None:
            keyword, line = pending
            pending = None
            if (re.match(r"[A-Za-z_]", token) and token.lower() != "of") or \
                    (keyword == "operator" and token in "+-*/=<>"):
                yield line, token
        if token.lower() in KEYWORDS:
            pending = (token.lower(), text.count("\n", 0, m.start()) + 1)


ROW = {
    "type": "Pascal",
    "files": ["/usr/share/fpcsrc/**/*.pas", "/usr/share/fpcsrc/**/*.pp"],
    "project": r"/fpcsrc/[^/]+/(compiler|rtl/[^/]+|packages/[^/]+)/",
    "files_name": "Free Pascal sources (/usr/share/fpcsrc), by package",
    "reference": reference,
    "reference_name": "rule: routine keyword + name, outside comments and strings",
}
