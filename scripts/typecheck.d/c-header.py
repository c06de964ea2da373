# C header: the machine's headers named .h (C, and the C++ of some), read by
# ctags' C++ parser, which reads C as well. In a header a reader looks for the
# functions it declares, so prototypes count. Types count where they are named:
# `struct x {`, `class X`, `namespace n`, and the `} name;` that closes an
# anonymous typedef. Macros count when they take arguments.
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
    "type": "C header",
    "files": ["/usr/include/*.h", "/usr/include/*/*.h", "/usr/include/*/*/*.h"],
    "exclude": r"^/usr/include/(c\+\+|gtest|gmock|benchmark|llvm-\d+|unicode|node/(v8|cppgc|node))",
    "files_name": "/usr/include C headers",
    "ctags": ("C++", "fpsugtdcn"),
    "keep": keep,
    "reference_name": "ctags C++ (it reads C, and the C++ in some .h): functions, prototypes (.h), named struct/union/enum, `} name;`, macros with arguments",
}

PNG_STYLE = re.compile(r"^[A-Z_]+\(\d+,\s*[^,]+,\s*(\w+),")


def exported(path, lines):
    """ctags sees no prototype in `PNG_EXPORT(1, int, name, (args));`: it declares name."""
    for number, text in enumerate(lines, 1):
        m = PNG_STYLE.match(text)
        if m:
            yield number, m.group(1)


ROW["also"] = exported
ROW["reference_name"] += "; `EXPORT(1, type, name, (args))` declares name"
