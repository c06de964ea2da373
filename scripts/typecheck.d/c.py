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


NAMED_TYPE = r"\b(struct|union|enum)\s+(__\w+\s*(\(\(.*\)\))?\s*)?%s\b"
FILE_SCOPE_MACRO = re.compile(r"^[A-Za-z_]\w*\s*\(\s*\w+(\s*,\s*\w+)*\s*\)\s*$")


def keep_source(tag, path, lines):
    """As keep(), less two things ctags misreads in a source: a variable of an enum type
    (`static enum e table[] =`) taken for the enum, and a macro at file scope with an empty line, a
    comment or a preprocessor line after it (`weak_alias (a, b)`) taken for a K&R head, whose
    declarations or body would follow."""
    if not keep(tag, path, lines):
        return False
    text = lines[tag.line - 1]
    if tag.kind in ("struct", "union", "enum"):
        return bool(re.search(NAMED_TYPE % re.escape(tag.name), text))
    if tag.kind == "function" and FILE_SCOPE_MACRO.match(text):
        after = lines[tag.line].strip() if tag.line < len(lines) else ""
        return after != "" and not after.startswith(("#", "/*", "//"))
    return True


ROW = {
    "type": "C",
    "files": ["/usr/src/glibc/**/*.c", "/usr/share/doc/**/*.c", "/usr/share/go-1.*/**/*.c"]
             + [os.path.join(CORPUS, "deb", p, "**", "*.c") for p in DEBIAN],
    "debian": DEBIAN,
    "exclude": r"/testdata/",
    "files_name": "documentation .c files; gnulib, DKMS modules, libxcrypt, curl examples, Go's cgo",
    "ctags": ("C", "fpsugtd"),
    "keep": keep_source,
    "reference_name": "ctags C: functions, prototypes (.h), named struct/union/enum, `} name;`, macros with arguments",
}

GNU_HEAD = re.compile(r"^([A-Za-z_]\w*)\s*\(")


def gnu_heads(path, lines):
    """ctags loses some heads after macros it cannot read; `name (args)` at column 0, its arguments
    ending on that line or a few below, with `{` on the next line is a definition all the same."""
    for number, text in enumerate(lines[:-1], 1):
        m = GNU_HEAD.match(text)
        if not m or m.group(1) in ("if", "for", "while", "switch") or m.group(1).startswith("__attribute"):
            continue
        end = number - 1
        while end < min(number + 4, len(lines) - 2) and not lines[end].rstrip().endswith(")") \
                and ";" not in lines[end]:
            end += 1
        if lines[end].rstrip().endswith(")") and lines[end + 1].startswith("{"):
            yield number, m.group(1)


ROW["also"] = gnu_heads
ROW["reference_name"] += "; `name (args)` at column 0 (its arguments over a few lines) before a `{` line"
