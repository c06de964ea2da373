# TeX, documents only: the LaTeX examples and manuals of TeX Live's
# documentation packages (installed, or three fetched: split by Debian package)
# and gsutil's vendored manual, where a reader looks for the sections. Counted as in tex.py: sectioning commands as ctags sees them,
# and definitions that start a line (preambles define commands too).
import os

_tex = {"__file__": os.path.join(os.path.dirname(__file__), "tex.py"), "CORPUS": CORPUS}
exec(compile(open(_tex["__file__"]).read(), _tex["__file__"], "exec"), _tex)

ROW = dict(_tex["ROW"],
           name="TeX documents",
           debian=["texlive-latex-recommended-doc", "texlive-humanities-doc", "texlive-science-doc"],
           files=["/usr/share/doc/texlive-doc/**/*.tex", "/usr/lib/google-cloud-sdk/platform/gsutil/**/*.tex",
                  CORPUS + "/deb/texlive-*-doc/usr/share/doc/texlive-doc/**/*.tex"],
           exclude=None,
           files_name="TeX Live's documentation (.tex examples and manuals; texlive-latex-recommended-doc, "
                      "-humanities-doc, -science-doc), gsutil's manual")
