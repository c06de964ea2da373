# Scheme: Guile's own modules (Debian's guile-3.0-libs), a project a top folder: ice-9, srfi, scheme
# and the rest tune; language, system, rnrs, web and sxml are held out. Counted: definitions as ctags
# sees them (functions: define and its kin).
ROW = {
    "type": "Scheme",
    "debian": ["guile-3.0-libs"],
    "files": [CORPUS + "/deb/guile-3.0-libs/**/*.scm"],
    "project": r"/guile/3\.0/([\w-]+)",
    "held_out": r"^(language|system|rnrs|web|sxml)$",
    "files_name": "Guile's modules (guile-3.0-libs)",
    "ctags": ("Scheme", "f"),
    "reference_name": "ctags Scheme: definitions",
}
