# OCaml: the standard library and the other libraries of the compiler's package (Debian's ocaml),
# modules a to l tune; modules m to z and ExtLib (libextlib-ocaml-dev) are held out. Counted: top-level
# values and functions, types, modules, classes, methods, exceptions and signature items (not
# constructors or fields), as ctags sees them.
ROW = {
    "type": "OCaml",
    "debian": ["ocaml", "libextlib-ocaml-dev"],
    "files": [CORPUS + "/deb/ocaml/usr/lib/ocaml/**/*.ml", CORPUS + "/deb/ocaml/usr/lib/ocaml/**/*.mli",
              CORPUS + "/deb/libextlib-ocaml-dev/**/*.ml", CORPUS + "/deb/libextlib-ocaml-dev/**/*.mli"],
    "project": r"(libextlib-ocaml-dev|/lib/ocaml/(?:\w+/)?[A-Za-z])",
    "held_out": r"extlib|/[m-zM-Z]$",
    "files_name": "OCaml's libraries (ocaml), ExtLib",
    "ctags": ("OCaml", "cmMvptfe"),
    "reference_name": "ctags OCaml: values, functions, types, modules, classes, exceptions",
}
