# Awk: glibc's awk scripts and the examples of the machine's awk documentation.
# Counted: functions, as ctags sees them.
ROW = {
    "type": "Awk",
    "files": ["/usr/src/glibc/**/*.awk", "/usr/share/doc/mawk/**/*.awk", "/usr/share/doc/lsof/**/*.awk",
              "/usr/share/go-*/src/**/*.awk"],
    "files_name": "glibc's awk scripts, awk examples and libraries in /usr/share",
    "ctags": ("Awk", "f"),
    "reference_name": "ctags Awk: functions",
}
