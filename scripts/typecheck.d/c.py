# C: C sources (glibc's, the Go runtime's, documentation examples). In a source
# file only definitions count, not prototypes. Types count where they are named:
# `struct x {` and the `} name;` that closes an anonymous typedef. Macros count
# when they take arguments. The C header row reuses keep(); class and namespace
# come only from the C++ parser it reads headers with.
import os
import re

# Packages that carry C sources unpacked: gnulib, kernel modules built by DKMS, library examples,
# the Go tree's cgo files. The C header row runs this file too, without CORPUS.
DEBIAN = ["gnulib", "libcurl4-doc", "openafs-modules-dkms", "lttng-modules-dkms", "dahdi-dkms",
          "xtables-addons-dkms", "jool-dkms", "falcosecurity-scap-dkms", "apfs-dkms",
          "openrazer-driver-dkms", "libxcrypt-source", "golang-1.19-src"]
CORPUS = globals().get("CORPUS", "")


def keep(tag, path, lines):
    text = lines[tag.line - 1]
    if tag.kind == "prototype":
        return path.endswith(".h")
    if tag.kind in ("struct", "union", "enum", "class", "namespace"):
        return not tag.name.startswith("__anon")
    if tag.kind == "typedef":
        return text.startswith("}")
    if tag.kind == "macro":
        return tag.signature not in ("", "-")
    return tag.kind == "function"


ROW = {
    "type": "C",
    "files": ["/usr/src/glibc/**/*.c", "/usr/share/doc/**/*.c", "/usr/share/go-1.*/**/*.c"]
             + [os.path.join(CORPUS, "deb", p, "**", "*.c") for p in DEBIAN],
    "debian": DEBIAN,
    "exclude": r"/testdata/",
    "files_name": "documentation .c files; gnulib, DKMS modules, libxcrypt, curl examples, Go's cgo",
    "ctags": ("C", "fpsugtd"),
    "keep": keep,
    "reference_name": "ctags C: functions, prototypes (.h), named struct/union/enum, `} name;`, macros with arguments",
}

GNU_HEAD = re.compile(r"^([A-Za-z_]\w*)\s*\(.*\)\s*$")


def gnu_heads(path, lines):
    """ctags loses some heads after macros it cannot read; `name (args)` at column 0 with `{` on
    the next line is a definition all the same."""
    for number, text in enumerate(lines[:-1], 1):
        m = GNU_HEAD.match(text)
        if m and lines[number].startswith("{") and m.group(1) not in ("if", "for", "while", "switch"):
            yield number, m.group(1)


ROW["also"] = gnu_heads
ROW["reference_name"] += "; `name (args)` at column 0 before a `{` line"
