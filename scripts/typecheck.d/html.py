# HTML: two manuals written with different tools: Git's (Debian's git-doc, asciidoc) tunes, Python's
# (python3.11-doc, Sphinx) is held out. Counted: h1 to h3 headings, as ctags sees them, and h4 to h6,
# which ctags does not tag, by the text that opens them.
import re

LOW_HEADING = re.compile(r"<h[4-6][^>]*>\s*(?:<[^>]*>\s*)*([^<\s][^<]*)", re.I)


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = LOW_HEADING.search(text)
        if m:
            yield number, m.group(1).strip()


ROW = {
    "type": "HTML",
    "debian": ["git-doc", "python3.11-doc"],
    "files": [CORPUS + "/deb/git-doc/**/*.html", CORPUS + "/deb/python3.11-doc/**/*.html"],
    "project": r"/deb/([\w.-]+)/",
    "held_out": r"python",
    "files_name": "Git's and Python's manuals (git-doc, python3.11-doc)",
    "ctags": ("HTML", "hij"),
    "also": also,
    "reference_name": "ctags HTML: h1-h3 headings; h4-h6",
}
