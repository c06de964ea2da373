# Markdown: the machine's documentation. Counted: headings (ctags), `#` lines
# and underlined ones, outside fenced code. The type lists an underlined heading
# on its underline, with the line above as its text.
import re

UNDERLINE = re.compile(r" {0,3}(=+|-+)\s*$")


def at(tag, path, lines):
    """An underlined heading is listed on its underline, the line below its text."""
    below = lines[tag.line] if tag.line < len(lines) else ""
    return tag.line + 1 if UNDERLINE.match(below) else tag.line


ROW = {
    "type": "Markdown",
    "files": ["/usr/share/doc/**/*.md", "/usr/src/**/*.md", "/usr/lib/**/*.md", "/usr/share/**/*.markdown"],
    "files_name": ".md under /usr/share/doc, /usr/src, /usr/lib",
    "ctags": ("Markdown", "csStTu"),
    "at": at,
    "reference_name": "ctags Markdown: headings (underlined ones on their underline)",
}
