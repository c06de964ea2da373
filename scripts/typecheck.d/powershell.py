# PowerShell: the machine's PowerShell scripts (venv activation scripts, Node's
# shims); Ansible's and its collections' modules (each collection a project),
# Vagrant's Hyper-V and SMB scripts, virtualenv's, CPython's and TeX Live's
# (Debian); React Native for Windows, npm, node-pty, Bourbon, Cordova (npm).
# Counted: functions, as ctags sees them.
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
    "reference_name": "ctags PowerShell: functions",
}
