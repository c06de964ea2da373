# TeX: the LaTeX sources of TeX Live's documentation packages and the other
# .tex, .sty and .cls files of the machine. Counted: sectioning commands (part
# to subparagraph) and beamer's frame titles, as ctags sees them, and the
# definitions of commands and environments that start a line (\newcommand,
# \renewcommand, \providecommand, \DeclareRobustCommand, \newenvironment,
# \def, \gdef, \edef, \xdef; indented too, and after \long, \protected, \global,
# \outer), a rule of this row, since ctags knows only \newcommand and takes a
# \section inside a definition for a heading. LaTeX packages from texlive-latex-base
# and -recommended too; split by package folder.
import re

DEFINITION = re.compile(r"\s*(?:\\(?:long|protected|global|outer)\s*)*"
                        r"(?:\\(?:(?:re)?newcommand|providecommand|DeclareRobustCommand|newenvironment)\*?\s*\{?\s*(\\?[\w@]+)"
                        r"|\\[gex]?def\s*(\\[\w@]+))")


def definitions(path, lines):
    for number, text in enumerate(lines, 1):
        m = DEFINITION.match(text)
        if m:
            yield number, m.group(1) or m.group(2)


ROW = {
    "type": "TeX",
    "debian": ["texlive-latex-base", "texlive-latex-recommended"],
    "project": r"/tex/(?:latex|generic|xelatex|plain)/([^/]+)/",
    "files": [CORPUS + "/deb/texlive-latex-*/usr/share/texlive/texmf-dist/tex/**/*.sty",
              CORPUS + "/deb/texlive-latex-*/usr/share/texlive/texmf-dist/tex/**/*.cls",
              "/usr/share/doc/texlive-doc/**/*.tex", "/usr/share/texlive/texmf-dist/**/*.tex",
              "/usr/share/texlive/texmf-dist/**/*.sty", "/usr/share/texmf/**/*.sty",
              "/usr/lib/google-cloud-sdk/platform/gsutil/**/*.tex", "/root/.pyenv/versions/3.11.7/**/latex2e/*.tex",
              "/root/.pyenv/versions/3.11.7/**/latex2e/*.sty"],
    "exclude": r"^/usr/share/texlive/texmf-dist/doc/",  # the same files as /usr/share/doc/texlive-doc
    "files_name": "LaTeX packages (texlive-latex-base, -recommended), TeX Live's documentation, the machine's "
                  ".tex/.sty, by package",
    "ctags": ("Tex", "pcsubPG"),
    "also": definitions,
    "reference_name": "ctags Tex: part to subparagraph, beamer frame titles; rule: command and environment definitions "
                      "starting a line (indented, after \\long, \\protected too)",
}
