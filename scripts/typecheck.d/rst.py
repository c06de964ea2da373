# reStructuredText: CMake's documentation and the other .rst files of the
# machine (vendored projects' docs, pip's). A heading's text stands on the line
# above its underline, out of reach of a pattern that sees one line, so the
# type lists what names itself on one line: hyperlink targets (.. _name:), as
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


def keep(tag, path, lines):
    return tag.name != "_"  # an anonymous target (.. __:) names nothing


ROW = {
    "type": "reStructuredText",
    "files": ["/usr/share/cmake-*/Help/**/*.rst", "/usr/lib/google-cloud-sdk/platform/gsutil/**/*.rst",
              "/usr/share/doc/python3-pip/**/*.rst", "/usr/share/doc/python3-setuptools/**/*.rst"],
    "files_name": "CMake's documentation, gsutil's vendored docs, pip's and setuptools' docs",
    "ctags": ("ReStructuredText", "T"),
    "keep": keep,
    "also": directives,
    "reference_name": "ctags ReStructuredText: targets; rule: directives that describe an object (headings: none)",
}
