# Ada: GNAT's run-time library (Debian's gnat-12): the Ada (a-) and System (s-) units tune; the GNAT (g-)
# and Interfaces (i-) units are held out. Counted: packages, subprograms, tasks, protected types,
# entries, types and subtypes (declared and defined: an entry declared in a task or protected type
# counts too, as a subprogram declared in a package does), as ctags sees them.
ROW = {
    "type": "Ada",
    "debian": ["gnat-12"],
    "files": [CORPUS + "/deb/gnat-12/**/adainclude/*.ads", CORPUS + "/deb/gnat-12/**/adainclude/*.adb"],
    "project": r"/adainclude/(\w)-",
    "held_out": r"^[gi]$",
    "files_name": "GNAT's run-time library (gnat-12), by hierarchy",
    "ctags": ("Ada", "PpTtUuRrKkOoEe"),
    "reference_name": "ctags Ada: packages, subprograms, tasks, protected, entries, types",
}
