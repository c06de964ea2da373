# TeX: the LaTeX sources of TeX Live's documentation packages and the other
# .tex, .sty and .cls files of the machine. Counted: sectioning commands (part
# to subparagraph) and beamer's frame titles, as ctags sees them, and the
# definitions of commands and environments that start a line (\newcommand,
# \renewcommand, \providecommand, \DeclareRobustCommand, \newenvironment,
# \def, \gdef, \edef, \xdef), a rule of this row, since ctags knows only
# \newcommand and takes a \section inside a definition for a heading.
import re

DEFINITION = re.compile(r"\\(?:(?:re)?newcommand|providecommand|DeclareRobustCommand|newenvironment)\*?\s*\{?\s*(\\?[\w@]+)"
                        r"|\\[gex]?def\s*(\\[\w@]+)")


def definitions(path, lines):
    for number, text in enumerate(lines, 1):
        m = DEFINITION.match(text)
        if m:
            yield number, m.group(1) or m.group(2)


ROW = {
    "type": "TeX",
    "files": ["/usr/share/doc/texlive-doc/**/*.tex", "/usr/share/texlive/texmf-dist/**/*.tex",
              "/usr/share/texlive/texmf-dist/**/*.sty", "/usr/share/texmf/**/*.sty",
              "/usr/lib/google-cloud-sdk/platform/gsutil/**/*.tex", "/root/.pyenv/versions/3.11.7/**/latex2e/*.tex",
              "/root/.pyenv/versions/3.11.7/**/latex2e/*.sty"],
    "exclude": r"^/usr/share/texlive/texmf-dist/doc/",  # the same files as /usr/share/doc/texlive-doc
    "files_name": "TeX Live's documentation, TeX Live's and the machine's other .tex/.sty",
    "ctags": ("Tex", "pcsubPG"),
    "also": definitions,
    "reference_name": "ctags Tex: part to subparagraph, beamer frame titles; rule: command and environment definitions at a line's start",
}
