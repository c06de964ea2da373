# Awk: glibc's awk scripts, the examples of mawk's and lsof's documentation,
# Go's one awk script; gawk's library and manual examples, runawk's modules and
# dpkg-awk (Debian).
# Counted: functions, as ctags sees them.
ROW = {
    "type": "Awk",
    "files": ["/usr/src/glibc/**/*.awk", "/usr/share/doc/mawk/**/*.awk", "/usr/share/doc/lsof/**/*.awk",
              "/usr/share/go-*/src/**/*.awk",
              CORPUS + "/deb/gawk/**/*.awk", CORPUS + "/deb/runawk/**/*.awk", CORPUS + "/deb/dpkg-awk/**/*.awk"],
    "debian": ["gawk", "runawk", "dpkg-awk"],
    "files_name": "glibc's awk scripts, mawk's and lsof's examples; gawk's library and examples, runawk, dpkg-awk",
    "ctags": ("Awk", "f"),
    "reference_name": "ctags Awk: functions",
}
