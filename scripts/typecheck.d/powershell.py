# PowerShell: the machine's PowerShell scripts (venv activation scripts, Node's
# shims). Counted: functions, as ctags sees them.
ROW = {
    "type": "PowerShell",
    "files": ["/usr/lib/node_modules/**/*.ps1", "/usr/lib/python3*/venv/**/*.ps1",
              "/usr/lib/google-cloud-sdk/platform/**/*.ps1", "/root/.pyenv/versions/*/lib/python*/venv/**/*.ps1"],
    "files_name": "the machine's .ps1 files",
    "ctags": ("PowerShell", "f"),
    "reference_name": "ctags PowerShell: functions",
}
