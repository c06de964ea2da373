# Diff: the patches of Debian's glibc and rustc packages, pyenv's build
# patches and rustc's test diffs. Counted: each hunk, as ctags sees it, and
# each file of a patch on its +++ line, a rule of this row: ctags puts a
# changed file on its --- line, where a new file is only /dev/null. The file is
# named by its new path, or its old one when it is deleted.
import re


def keep(tag, path, lines):
    return tag.kind == "hunk"


def files(path, lines):
    for number in range(1, len(lines)):
        old, new = lines[number - 1], lines[number]
        if old.startswith("--- ") and new.startswith("+++ "):
            name = new[4:].split("\t")[0].strip()
            if name == "/dev/null":
                name = old[4:].split("\t")[0].strip()
            yield number + 1, name


ROW = {
    "type": "Diff",
    "files": ["/usr/src/glibc/debian/patches/**/*.diff", "/usr/src/rustc-*/debian/patches/**/*.patch",
              "/usr/src/rustc-*/src/test/mir-opt/**/*.diff", "/usr/src/rustc-*/compiler/**/*.patch",
              "/root/.pyenv/plugins/python-build/share/python-build/patches/**/*.patch"],
    "files_name": "glibc's and rustc's Debian patches, pyenv's build patches, rustc's test diffs",
    "ctags": ("Diff", "h"),
    "keep": keep,
    "also": files,
    "reference_name": "ctags Diff: hunks; rule: each file on its +++ line, named by its new path (old if deleted)",
}
