# HTML: two manuals written with different tools: Git's (Debian's git-doc, asciidoc) tunes, Python's
# (python3.11-doc, Sphinx) is held out. Counted: h1 to h3 headings, as ctags sees them.
ROW = {
    "type": "HTML",
    "debian": ["git-doc", "python3.11-doc"],
    "files": [CORPUS + "/deb/git-doc/**/*.html", CORPUS + "/deb/python3.11-doc/**/*.html"],
    "project": r"/deb/([\w.-]+)/",
    "held_out": r"python",
    "files_name": "Git's and Python's manuals (git-doc, python3.11-doc)",
    "ctags": ("HTML", "hij"),
    "reference_name": "ctags HTML: h1-h3 headings",
}
