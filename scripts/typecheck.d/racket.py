# Racket: the collections and packages Racket ships (Debian's racket-common), a project a collection,
# halves by the checksum. ctags has no Racket parser; its Scheme parser reads the definitions.
ROW = {
    "type": "Racket",
    "debian": ["racket-common"],
    "files": [CORPUS + "/deb/racket-common/**/*.rkt"],
    "project": r"/(?:collects|pkgs)/([\w-]+)",
    "files_name": "Racket's collections (racket-common)",
    "ctags": ("Scheme", "f"),
    "reference_name": "ctags Scheme: definitions",
}
