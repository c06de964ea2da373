# Awk: glibc's awk scripts, the examples of mawk's and lsof's documentation and
# Go's one awk script.
# Counted: functions, as ctags sees them.
ROW = {
    "type": "Awk",
    "files": ["/usr/src/glibc/**/*.awk", "/usr/share/doc/mawk/**/*.awk", "/usr/share/doc/lsof/**/*.awk",
              "/usr/share/go-*/src/**/*.awk"],
    "files_name": "glibc's awk scripts, mawk's and lsof's examples",
    "ctags": ("Awk", "f"),
    "reference_name": "ctags Awk: functions",
}
