# reStructuredText: CMake's documentation and the other .rst files of the
# machine (vendored projects' docs, pip's). A heading's text stands on the line
# above its underline, so the
# type lists a heading on its underline, with the line above as its text, and
# what names itself on one line: hyperlink targets (.. _name:), as
# ctags sees them, and, a rule of this row, the directives that describe an
# object (.. function:: name, .. variable:: NAME, .. option:: -x and their
# kin, with or without a domain), named by their argument.
import re

DIRECTIVE = re.compile(r"\s*\.\.\s+(?:[\w-]+:)?(?:function|class|method|module|data|attribute|exception|command"
                       r"|variable|envvar|option|program|genex|describe|object)::\s+(\S.*)")


def directives(path, lines):
    for number, text in enumerate(lines, 1):
        m = DIRECTIVE.match(text)
        if m:
            yield number, m.group(1).strip()


UNDERLINE = re.compile(r"([=\-~^\"'`#*+:._<>])\1+\s*$")


def at(tag, path, lines):
    """A heading is listed on its underline, the line below its text."""
    if tag.kind in ("target", "citation", "substdef"):
        return tag.line
    below = lines[tag.line] if tag.line < len(lines) else ""
    return tag.line + 1 if UNDERLINE.match(below) else tag.line


def keep(tag, path, lines):
    return tag.name != "_"  # an anonymous target (.. __:) names nothing


ROW = {
    "type": "reStructuredText",
    "files": ["/usr/share/cmake-*/Help/**/*.rst", "/usr/lib/google-cloud-sdk/platform/gsutil/**/*.rst",
              "/usr/share/doc/python3-pip/**/*.rst", "/usr/share/doc/python3-setuptools/**/*.rst"],
    "files_name": "CMake's documentation, gsutil's vendored docs, pip's and setuptools' docs",
    "ctags": ("ReStructuredText", "csStT"),
    "at": at,
    "keep": keep,
    "also": directives,
    "reference_name": "ctags ReStructuredText: headings (on their underline), targets; rule: directives that describe an object",
}
