# Scheme: Guile's own modules (Debian's guile-3.0-libs), a project a top folder: ice-9, srfi, scheme
# and the rest tune; language, system, rnrs, web and sxml are held out. Counted: definitions as ctags
# sees them (functions: define and its kin).
import re

# ctags tags `(define` at a line's start but not all its kin (define-syntax, define-record-type, define*, …),
# which a reader looks for as much: every form at a line's start whose head begins with def counts
# too.
TOP_DEFINE = re.compile(r"^\((def[^\s()]*)\s+\(*([^\s()]+)")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = TOP_DEFINE.match(text)
        if m:
            yield number, m.group(2)


ROW = {
    "type": "Scheme",
    "debian": ["guile-3.0-libs"],
    "files": [CORPUS + "/deb/guile-3.0-libs/**/*.scm"],
    "project": r"/guile/3\.0/([\w-]+)",
    "held_out": r"^(language|system|rnrs|web|sxml)$",
    "files_name": "Guile's modules (guile-3.0-libs)",
    "ctags": ("Scheme", "f"),
    "also": also,
    "reference_name": "ctags Scheme: definitions; every def… form at a line's start",
}
