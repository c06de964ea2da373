# HTML: two manuals written with different tools: Git's (Debian's git-doc, asciidoc) tunes, Python's
# (python3.11-doc, Sphinx) is held out. ctags's HTML parser stops at the style sheets asciidoc embeds
# and leaves out h4 to h6, so the row has a rule of its own: every heading h1 to h6 outside <script>,
# <style> and comments, by its text (tags and the permalink sign taken out; a heading whose line has
# no text is named by the next line's).
import re

OPEN = re.compile(r"<h([1-6])\b[^>]*>(.*)", re.I)
TAG = re.compile(r"<[^>]*>")
HIDDEN = re.compile(r"<(script|style)\b|</(script|style)>|<!--|-->", re.I)


def text_of(html, level):
    html = re.split(r"</h%s\s*>" % level, html, flags=re.I)[0]
    return " ".join(TAG.sub("", html).replace("\xc2\xb6", "").replace("\u00b6", "").split())


def reference(path, lines):
    hidden = None
    for number, line in enumerate(lines, 1):
        if not hidden:
            m = OPEN.search(line)
            if m:
                name = text_of(m.group(2), m.group(1))
                if not name and number < len(lines):
                    name = text_of(lines[number], m.group(1))
                if name:
                    yield number, name
        for m in HIDDEN.finditer(line):
            token = m.group(0).lower()
            if hidden is None and (token.startswith("<script") or token.startswith("<style") or token == "<!--"):
                hidden = {"<!--": "-->"}.get(token, "</" + token[1:] + ">")
            elif hidden and token == hidden:
                hidden = None


ROW = {
    "type": "HTML",
    "debian": ["git-doc", "python3.11-doc"],
    "files": [CORPUS + "/deb/git-doc/**/*.html", CORPUS + "/deb/python3.11-doc/**/*.html"],
    "project": r"/deb/([\w.-]+)/",
    "held_out": r"python",
    "files_name": "Git's and Python's manuals (git-doc, python3.11-doc)",
    "reference": reference,
    "reference_name": "rule: h1-h6 headings outside scripts, styles and comments, by their text",
}
