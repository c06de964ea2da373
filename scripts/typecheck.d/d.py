# D: the runtime and standard library LDC ships (Debian's libphobos2-ldc-shared-dev): Phobos (std)
# tunes; druntime (core), ldc and etc are held out. Counted: functions, classes, structs, unions,
# interfaces, enums, templates, aliases, mixins and modules, as ctags sees them.
ROW = {
    "type": "D",
    "debian": ["libphobos2-ldc-shared-dev"],
    "files": [CORPUS + "/deb/libphobos2-ldc-shared-dev/**/*.d", CORPUS + "/deb/libphobos2-ldc-shared-dev/**/*.di"],
    "project": r"/include/d/(\w+)",
    "held_out": r"^(core|ldc|etc)$",
    "files_name": "druntime and Phobos (libphobos2-ldc-shared-dev)",
    "ctags": ("D", "acfgisuTXM"),
    "reference_name": "ctags D: functions, classes, structs, enums, templates, aliases, modules",
}
