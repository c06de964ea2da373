# Common Lisp: libraries Debian packs as cl-* (sources in /usr/share/common-lisp/source), halves by the
# package's checksum. Counted: functions, macros, variables, constants and other def forms, as ctags
# sees them.
ROW = {
    "type": "Common Lisp",
    "debian": ["cl-alexandria", "cl-ppcre", "cl-babel", "cl-cffi", "cl-iterate", "cl-fiveam", "cl-closer-mop",
               "cl-esrap", "cl-drakma", "cl-ironclad", "cl-split-sequence", "cl-trivial-features", "cl-usocket",
               "cl-bordeaux-threads", "cl-fad", "cl-flexi-streams"],
    "files": [CORPUS + "/deb/cl-*/**/*.lisp", CORPUS + "/deb/cl-*/**/*.asd"],
    "files_name": "16 cl-* libraries",
    "ctags": ("Lisp", "fvmcu"),
    "reference_name": "ctags Lisp: functions, macros, variables, constants, other def forms",
}
