# Meson: the build files of GTK 3's and GTK 4's examples (gtk-3-examples, gtk-4-examples), split by
# example (application1 … application10, bp, hello; the two GTK versions' copies of an example fall
# in the same half), halves by the checksum. Counted: projects, build targets (executables,
# libraries, custom and run targets), tests, benchmarks and subdirs, as ctags sees them.

ROW = {
    "type": "Meson",
    "debian": ["gtk-3-examples", "gtk-4-examples"],
    "files": [CORPUS + "/deb/gtk-%d-examples/**/meson.build" % v for v in (3, 4)],
    "project": r"/examples/([^/]+)/meson\.build$",
    "files_name": "GTK 3 and GTK 4 examples' build files (all there are within reach), by example",
    "ctags": ("Meson", "BPScrtb"),
    "reference_name": "ctags Meson: projects, build, custom and run targets, tests, benchmarks, subdirs",
}
