# M4: autoconf macro files (aclocal, autoconf-archive, autoconf's and libtool's
# own) and configure.ac scripts; gnulib's, gettext's, automake's and m4's own
# examples (Debian). Counted: macro definitions (AC_DEFUN and
# m4_define and their kin) and the --enable/--with options of AC_ARG_ENABLE and
# AC_ARG_WITH, as ctags's Autoconf parser sees them; and, a rule of this row,
# since ctags misses most options, some AU_DEFUNs and names macros with their
# quotes: every line that starts with a definition or an option, named by its
# first argument without quotes.
import re

START = re.compile(r"\s*(?:AC_DEFUN|AC_DEFUN_ONCE|AU_DEFUN|m4_define|m4_define_default|m4_defun|m4_defun_once|define"
                   r"|AC_ARG_ENABLE|AC_ARG_WITH)\(\s*\[*`?([\w-]+(?:\([\w-]*\))?)")


def lines_defining(path, lines):
    for number, text in enumerate(lines, 1):
        m = START.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "M4",
    "files": ["/usr/share/aclocal/*.m4", "/usr/share/autoconf/**/*.m4", "/usr/share/libtool/**/*.m4",
              "/usr/share/doc/m4/**/*.m4", "/usr/src/glibc/**/*.m4", "/usr/src/glibc/**/configure.ac",
              "/root/.pyenv/plugins/*/configure.ac"] +
             [CORPUS + "/deb/" + package + "/**/*.m4" for package in (
                 "gnulib", "autoconf-archive", "autoconf", "automake", "libtool", "gettext", "m4")],
    "debian": ["gnulib", "autoconf-archive", "autoconf", "automake", "libtool", "gettext", "m4"],
    "files_name": "aclocal, glibc's aclocal.m4 and configure.ac; gnulib, autoconf-archive, autoconf, automake, "
                  "libtool, gettext, m4 (Debian)",
    "ctags": ("Autoconf", "mwe"),
    "also": lines_defining,
    "reference_name": "ctags Autoconf: macro definitions, --enable/--with options; rule: a line starting with a "
                      "definition or an option",
}
