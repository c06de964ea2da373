# C++: GoogleTest's sources, the standard library's extensionless headers and
# its .tcc files: the files the C++ type takes (C++ headers named .h are the C
# header type's: see cpp-h.py). Counted:
# functions and methods defined (indented members too), prototypes in headers and
# members declared in a class body anywhere (a reader navigates a class by them),
# named classes, structs, unions, enums and namespaces, macros with arguments.
# A test macro (TEST, TEST_F, TYPED_TEST…) counts as a function named after its
# suite and test.
import re

# ctags is blind to many operators and destructors that a class declares (a macro such as
# _GLIBCXX_NOTHROW or a type on the line above hides them): a line that opens with one counts.
DESTRUCTOR = re.compile(r"^\s*(?:virtual\s+)?(~\w+)\s*\(\s*(?:void\s*)?\)")
OPERATOR = re.compile(r"^(?!\s*(?:return|using|extern)\b)\s*(?:[\w:<>,*&\s]*[\s*&])?"
                      r"(operator\s*(?:\(\)|\[\]|[-+*/%^&|~!=<>,]+|\w[\w\s:]*?[\w*&])\s*)\(")
TEST_MACRO = re.compile(r"^\s*(?:TEST|TEST_F|TEST_P|TYPED_TEST|TYPED_TEST_P|GTEST_TEST)\s*\(\s*(\w+)\s*,\s*(\w+)")


def keep(tag, path, lines):
    if tag.kind == "prototype":
        in_class = tag.scope_kind in ("class", "struct", "union")
        return in_class or not re.search(r"\.(cc|cpp|cxx|c\+\+|C)$", path)
    if tag.kind in ("struct", "union", "enum", "class", "namespace"):
        return not tag.name.startswith("__anon")
    if tag.kind == "macro":
        return tag.signature not in ("", "-")
    return tag.kind == "function"


def reference(path, lines):
    for number, text in enumerate(lines, 1):
        m = TEST_MACRO.match(text)
        if m:
            yield number, m.group(2)
            continue
        m = DESTRUCTOR.match(text) or OPERATOR.match(text)
        if m and not re.match(r"\s*[\w:]+::operator.*;\s*$", text):  # Base::operator=(x); calls
            yield number, m.group(1).replace(" ", "")


ROW = {
    "type": "C++",
    "files": ["/usr/src/googletest/**/*.cc", "/usr/include/c++/*/*", "/usr/include/c++/*/*/*",
              "/usr/include/c++/*/bits/*.tcc"],
    "exclude": r"\.h$",
    "project": r"/include/c\+\+/[^/]+/([^/]+)/",
    "files_name": "GoogleTest .cc, /usr/include/c++ extensionless headers and .tcc; by package "
                  "(libstdc++: by folder)",
    "ctags": ("C++", "fpcsugnd"),
    "ctags_options": ["--extras=-q"],
    "keep": keep,
    "also": reference,
    "reference_name": "ctags C++: functions (members too), prototypes (headers; class members anywhere), named "
                      "types, namespaces, macros with arguments; operators, destructors; TEST(a, b) counts as b",
}
