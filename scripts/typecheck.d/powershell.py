# PowerShell: the machine's PowerShell scripts (venv activation scripts, Node's
# shims); Ansible's and its collections' modules (each collection a project),
# Vagrant's Hyper-V and SMB scripts, virtualenv's, CPython's and TeX Live's
# (Debian); React Native for Windows, npm, node-pty, Bourbon, Cordova (npm).
# Counted: functions, as ctags sees them; and, a rule of this row, since ctags
# reads a backslash in a single-quoted string as an escape ('\') and loses
# the functions after it: every line that starts with function, filter or
# workflow and a name, outside <# #> comment blocks and here-strings.
import re

HEAD = re.compile(r"\s*(?:function|filter|workflow)\s+([\w:.-]+)", re.I)


def function_heads(path, lines):
    comment, here = False, None
    for number, text in enumerate(lines, 1):
        if here:
            if text.startswith(here):
                here = None
            continue
        if not comment:
            m = HEAD.match(text)
            if m:
                yield number, m.group(1)
        rest = text
        while True:
            mark = rest.find("#>" if comment else "<#")
            if mark < 0:
                break
            comment, rest = not comment, rest[mark + 2:]
        if not comment and text.rstrip().endswith(('@"', "@'")):
            here = text.rstrip()[-1] + "@"


ROW = {
    "type": "PowerShell",
    "files": ["/usr/lib/node_modules/**/*.ps1", "/usr/lib/python3*/venv/**/*.ps1",
              "/usr/lib/google-cloud-sdk/platform/**/*.ps1", "/root/.pyenv/versions/*/lib/python*/venv/**/*.ps1"] +
             [CORPUS + "/" + package + "/**/" + name for package in (
                 "deb/ansible", "deb/ansible-core", "deb/vagrant", "deb/python3-virtualenv", "deb/python3.11-examples",
                 "deb/texlive-science-doc", "npm/react-native-windows", "npm/npm", "npm/node-pty", "npm/bourbon",
                 "npm/cordova-windows")
              for name in ("*.ps1", "*.psm1")],
    "debian": ["ansible", "ansible-core", "vagrant", "python3-virtualenv", "python3.11-examples", "texlive-science-doc"],
    "npm": ["react-native-windows@0.73.22", "npm@12.2.3", "node-pty@1.1.0", "bourbon@7.3.0", "cordova-windows@7.0.1"],
    "project": r"ansible_collections/[^/]+/[^/]+",
    "files_name": "the machine's .ps1 files; Ansible, its collections, Vagrant, virtualenv, CPython, TeX Live "
                  "(Debian); React Native for Windows, npm, node-pty, Bourbon, Cordova (npm)",
    "ctags": ("PowerShell", "f"),
    "also": function_heads,
    "reference_name": "ctags PowerShell: functions; rule: a line starting with function, filter or workflow and "
                      "a name, outside comment blocks and here-strings",
}
