# Awk: glibc's awk scripts, the examples of mawk's and lsof's documentation,
# Go's one awk script; gawk's library and manual examples, runawk's modules and
# dpkg-awk (Debian).
# Counted: functions, as ctags sees them; and, a rule of this row, since ctags
# is blind to gawk's namespaces ('function awk::getpwnam(name)'): every line
# that starts a function head, named by its name with its namespace.
import re

HEAD = re.compile(r"\s*func(?:tion)?\s+(\w+(?:::\w+)?)\s*\(")


def function_heads(path, lines):
    for number, text in enumerate(lines, 1):
        m = HEAD.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Awk",
    "files": ["/usr/src/glibc/**/*.awk", "/usr/share/doc/mawk/**/*.awk", "/usr/share/doc/lsof/**/*.awk",
              "/usr/share/go-*/src/**/*.awk",
              CORPUS + "/deb/gawk/**/*.awk", CORPUS + "/deb/runawk/**/*.awk", CORPUS + "/deb/dpkg-awk/**/*.awk"],
    "debian": ["gawk", "runawk", "dpkg-awk"],
    "files_name": "glibc's awk scripts, mawk's and lsof's examples; gawk's library and examples, runawk, dpkg-awk",
    "ctags": ("Awk", "f"),
    "also": function_heads,
    "reference_name": "ctags Awk: functions; rule: a line starting a function head (gawk namespaces too)",
}
