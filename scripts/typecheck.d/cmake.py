# CMake: CMake's own modules and the CMakeLists.txt files of the machine.
# Counted: functions, macros and the targets of add_executable, add_library and
# add_custom_target, as ctags sees them, except inside bracket comments
# (#[[ ... ]], #[==[ ... ]==]), where ctags takes the examples of a module's
# documentation for code. ctags leaves out imported and alias targets and names
# built from variables (GTest::gtest, ${name}): a rule of this row counts every
# add_executable, add_library and add_custom_target that starts a line outside
# bracket comments, named by its first argument.
import re

TARGET = re.compile(r"\s*(?:add_executable|add_library|add_custom_target)\s*\(\s*([^\s)]+)", re.I)

OPEN = re.compile(r"^\s*#\[(=*)\[")


def in_bracket_comment(lines, number):
    closing = None
    for text in lines[:number]:
        if closing is None:
            m = OPEN.match(text)
            if m:
                closing = "]" + m.group(1) + "]"
                if closing in text[m.end():]:
                    closing = None
        elif closing in text:
            closing = None
    return closing is not None


def keep(tag, path, lines):
    return tag.kind in ("function", "macro", "target") and not in_bracket_comment(lines, tag.line)


def targets(path, lines):
    for number, text in enumerate(lines, 1):
        m = TARGET.match(text)
        if m and not in_bracket_comment(lines, number):
            yield number, m.group(1)


ROW = {
    "type": "CMake",
    "files": ["/usr/share/cmake-*/Modules/**/*.cmake", "/usr/share/cmake-*/Modules/**/CMakeLists.txt",
              "/usr/src/googletest/**/CMakeLists.txt", "/usr/src/googletest/**/*.cmake", "/usr/src/rustc-*/src/CMakeLists.txt",
              "/usr/lib/llvm-*/lib/cmake/**/*.cmake", "/usr/lib/x86_64-linux-gnu/cmake/**/*.cmake",
              "/usr/share/clang/*/CMakeLists.txt", "/usr/share/doc/git/contrib/**/CMakeLists.txt"],
    "files_name": "CMake's modules, the machine's CMakeLists.txt and LLVM's .cmake",
    "ctags": ("CMake", "fmt"),
    "keep": keep,
    "also": targets,
    "reference_name": "ctags CMake: functions, macros, targets; none inside bracket comments; rule: every target "
                      "a line starts",
}
