# Haskell: the libraries and programs Hugs ships (Debian's hugs): its old libraries tune, its current
# packages, programs and examples are held out. Literate files (.lhs) are left out: ctags reads them
# with another parser. Counted: modules, types, classes and functions, as ctags sees them.
ROW = {
    "type": "Haskell",
    "debian": ["hugs"],
    "files": [CORPUS + "/deb/hugs/**/*.hs"],
    "project": r"/hugs/(oldlib|packages/\w+|programs/\w+|examples)",
    "held_out": r"^(?!oldlib)",
    "files_name": "Hugs's libraries (hugs), by library",
    "ctags": ("Haskell", "tfm"),
    "reference_name": "ctags Haskell: modules, types, functions",
}
