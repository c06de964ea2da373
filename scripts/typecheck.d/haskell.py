# Haskell: the libraries and programs Hugs ships (Debian's hugs): its old libraries tune, its current
# packages, programs and examples are held out. Literate files (.lhs) are left out. ctags's Haskell
# parser tags some signatures and fixity declarations and skips many equations, so the row has a rule
# of its own, from the layout rule (a declaration starts at column 0): outside `{- -}` comments, every
# line at column 0 that declares a module, data, newtype, type or class (by its name), or that starts
# an equation (not a signature, not a keyword's line), by the name it defines (an infix operator's
# when it stands second).
import re

KIND = re.compile(r"^(?:module\s+([\w.']+)|(?:data|newtype|type|class)\s+(?:family\s+|instance\s+)?"
                  r"(?:.*=>\s*)?\(?([A-Z][\w']*))")
EQUATION = re.compile(r"^([a-z_][\w']*)(.*)$")
INFIX = re.compile(r"^\s+(`[^`]+`|[!#$%&*+./<>?@\\^|~:-]+)\s")
KEYWORDS = {"import", "instance", "infix", "infixl", "infixr", "deriving", "default", "foreign", "where",
            "module", "data", "newtype", "type", "class", "primitive", "let", "in", "case", "of", "if", "then",
            "else", "do"}


def reference(path, lines):
    depth = 0
    for number, text in enumerate(lines, 1):
        if depth == 0:
            m = KIND.match(text)
            if m:
                yield number, m.group(1) or m.group(2)
            else:
                m = EQUATION.match(text)
                if m and m.group(1) not in KEYWORDS and not re.match(r"^\s*(,\s*[a-z_][\w']*\s*)*::", m.group(2)):
                    infix = INFIX.match(m.group(2))
                    yield number, infix.group(1).strip("`") if infix and infix.group(1) not in ("|", "=") else m.group(1)
        depth += text.count("{-") - text.count("-}")
        depth = max(depth, 0)


ROW = {
    "type": "Haskell",
    "debian": ["hugs"],
    "files": [CORPUS + "/deb/hugs/**/*.hs"],
    "project": r"/hugs/(oldlib|packages/\w+|programs/\w+|examples)",
    "held_out": r"^(?!oldlib)",
    "files_name": "Hugs's libraries (hugs), by library",
    "reference": reference,
    "reference_name": "rule: column-0 module, data, newtype, type, class and equations outside comments",
}
