# Meson: the build files of GTK 3's and GTK 4's examples (gtk-3-examples, gtk-4-examples) and of DPDK's
# examples (dpdk-doc), split by example (application1 … application10, bp, hello, helloworld, l2fwd, …;
# the two GTK versions' copies of an example fall in the same half, an example's sub-folders with it),
# halves by the checksum. Counted: projects, build targets (executables,
# libraries, custom and run targets), tests, benchmarks and subdirs, as ctags sees them.
import re

# This ctags takes any call ending in `library(` for a build target, so `cc.find_library('rt')`, which
# looks up a library the system has, counts as building `rt`; such lines are left out.
LOOKUP = re.compile(r"\bfind_library\s*\(")


def keep(tag, path, lines):
    return not (tag.kind == "build" and LOOKUP.search(lines[tag.line - 1]))


ROW = {
    "type": "Meson",
    "debian": ["gtk-3-examples", "gtk-4-examples", "dpdk-doc"],
    "files": [CORPUS + "/deb/gtk-%d-examples/**/meson.build" % v for v in (3, 4)]
             + [CORPUS + "/deb/dpdk-doc/**/meson.build"],
    "project": r"/examples/([^/]+)/(?:[^/]+/)*meson\.build$",
    "files_name": "GTK 3, GTK 4 and DPDK examples' build files, by example",
    "ctags": ("Meson", "BPScrtb"),
    "keep": keep,
    "reference_name": "ctags Meson: projects, build, custom and run targets, tests, benchmarks, subdirs (no find_library)",
}
