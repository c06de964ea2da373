# C: the machine's C headers and glibc's sources. In a header a reader looks for
# the functions it declares, so prototypes count there; in a source file only
# definitions. Types count where they are named: `struct x {` and the `} name;`
# that closes an anonymous typedef. Macros count when they take arguments.
import re


def keep(tag, path, lines):
    text = lines[tag.line - 1]
    if tag.kind == "prototype":
        return path.endswith(".h")
    if tag.kind in ("struct", "union", "enum"):
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
