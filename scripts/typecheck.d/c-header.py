# C header: the machine's headers named .h (C, and the C++ of some), read by
# ctags' C++ parser, which reads C as well. In a header a reader looks for the
# functions it declares, so prototypes count. Types count where they are named:
# `struct x {`, `class X`, `namespace n`, and the `} name;` that closes an
# anonymous typedef. Macros count when they take arguments.
import os
import re


# The same rule as C's, prototypes counting since every file here is a header.
C_ROW = {"__file__": os.path.join(os.path.dirname(__file__), "c.py")}
with open(C_ROW["__file__"]) as f:
    exec(compile(f.read(), C_ROW["__file__"], "exec"), C_ROW)
keep = C_ROW["keep"]


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
