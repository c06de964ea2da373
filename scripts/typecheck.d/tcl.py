# Tcl: Tcl's and Tk's libraries. ctags stops after the first proc in some files here, so the reference is
# Tcl's own parser (tclsh): every proc and namespace eval command, snit, itcl and TclOO classes and their
# methods, constructors and destructors, in the file's script and in every braced word that is itself a
# complete script (bodies of namespace eval, if, procs, classes...).
import os
import shutil
import subprocess
import sys

HELPER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tcl_procs.tcl")


def reference(path, lines):
    if not shutil.which("tclsh"):
        sys.exit("typecheck: the Tcl row needs tclsh (apt-get install tcl)")
    out = subprocess.run(["tclsh", HELPER, path], stdout=subprocess.PIPE, check=False).stdout
    for raw in out.decode("latin-1").splitlines():
        line, _, name = raw.partition("\t")
        if line.isdigit():  # a name written over lines continues on lines of its own
            yield int(line), name


ROW = {
    "type": "Tcl",
    "debian": ["tcllib", "tklib", "tcl-itcl4"],
    "files": ["/usr/share/tcltk/**/*.tcl", "/usr/share/tcltk/**/*.tm",
              "/usr/lib/google-cloud-sdk/platform/bundledpythonunix/lib/**/*.tcl",
              "/usr/lib/google-cloud-sdk/platform/bundledpythonunix/lib/**/*.tm",
              CORPUS + "/deb/*/usr/share/tcltk/**/*.tcl", CORPUS + "/deb/*/usr/lib/tcltk/**/*.tcl"],
    "project": r"/tcltk/(?:[^/]*-linux-gnu/)?([^/]+/[^/]+)/",
    "files_name": "Tcl/Tk libraries (/usr/share/tcltk, bundled Tcl; tcllib, tklib, itcl), by package",
    "reference": reference,
    "reference_name": "rule: proc, namespace eval, snit/itcl/TclOO classes and methods as tclsh parses them",
}
