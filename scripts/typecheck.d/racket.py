# Racket: the collections and packages Racket ships (Debian's racket-common), a project a collection,
# halves by the checksum. ctags has no Racket parser; its Scheme parser reads the definitions.
import os
import re
import runpy

# Racket's definitions are Scheme's (scheme.py says which count), and struct.
scheme_also = runpy.run_path(os.path.join(os.path.dirname(__file__), "scheme.py"), {"CORPUS": CORPUS})["also"]
TOP_STRUCT = re.compile(r"^\(struct\s+\(*([^\s()]+)")


def also(path, lines):
    yield from scheme_also(path, lines)
    for number, text in enumerate(lines, 1):
        m = TOP_STRUCT.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Racket",
    "debian": ["racket-common"],
    "files": [CORPUS + "/deb/racket-common/**/*.rkt"],
    "project": r"/(?:collects|pkgs)/([\w-]+)",
    "files_name": "Racket's collections (racket-common)",
    "ctags": ("Scheme", "f"),
    "also": also,
    "reference_name": "ctags Scheme: definitions; every def… form at a line's start, struct",
}
