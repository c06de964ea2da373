# Vim script: Vim's runtime files. Counted: functions and user commands (ctags), and the Vim9
# `export def` functions, which this ctags does not know.
import re

EXPORT_DEF = re.compile(r"^\s*export\s+def\s+([\w:#.<>]+)\s*\(")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = EXPORT_DEF.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Vim script",
    "files": ["/usr/share/vim/**/*.vim"],
    "files_name": "Vim runtime (/usr/share/vim)",
    "ctags": ("Vim", "fc"),
    "also": also,
    "reference_name": "ctags Vim: functions, commands; Vim9 `export def`",
}
