# Shell: the machine's shell scripts and start-up files. Counted: functions
# (ctags), less its misreading of an array assignment `a=(...)` as a function.
import re


def keep(tag, path, lines):
    return tag.kind == "function" and not re.match(r"\s*[\w.-]+=\(", lines[tag.line - 1])


ROW = {
    "type": "Shell",
    "files": ["/usr/share/**/*.sh", "/usr/lib/**/*.sh", "/etc/**/*.sh", "/etc/bash.bashrc", "/etc/profile",
              "/root/.bashrc", "/root/.profile", "/etc/skel/.bashrc", "/etc/skel/.profile"],
    "exclude": r"/testdata/|/go-1\.\d+/",
    "files_name": ".sh under /usr/share, /usr/lib, /etc; bash.bashrc, .bashrc, profile",
    "ctags": ("Sh", "f"),
    "keep": keep,
    "reference_name": "ctags Sh: functions (not `a=(...)`)",
}
