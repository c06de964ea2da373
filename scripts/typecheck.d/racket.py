# Racket: the collections and packages Racket ships (Debian's racket-common), a project a collection,
# halves by the checksum. ctags has no Racket parser; its Scheme parser reads the definitions.
import re

# ctags tags `(define` at a line's start but not all its kin (define-syntax, define-record-type, define*, …),
# which a reader looks for as much: every form at a line's start whose head begins with def counts
# too, and struct.
TOP_DEFINE = re.compile(r"^\((def[^\s()]*|struct)\s+\(*([^\s()]+)")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = TOP_DEFINE.match(text)
        if m:
            yield number, m.group(2)


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
