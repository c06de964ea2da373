# C: C sources (glibc's, the Go runtime's, documentation examples). In a source
# file only definitions count, not prototypes. Types count where they are named:
# `struct x {` and the `} name;` that closes an anonymous typedef. Macros count
# when they take arguments. The C header row reuses keep(); class and namespace
# come only from the C++ parser it reads headers with.
import re


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
    "files": ["/usr/src/glibc/**/*.c", "/usr/share/doc/**/*.c", "/usr/share/go-1.*/**/*.c"],
    "exclude": r"/testdata/",
    "files_name": "glibc, Go runtime and documentation .c files",
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
