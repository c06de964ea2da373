# Lua: the Penlight library (Debian's lua-penlight). Counted: functions (ctags) where the line defines
# them (`function NAME`, `NAME = function`): ctags also tags assignments from calls that take a function
# (`x = s:gsub(p, function ...)`, `x = function_arg(...)`). It misses functions written on one line, which
# count too.
import re

DEFINES = re.compile(r"\bfunction\s+[\w.:]+\s*\(|^\s*(local\s+)?[\w.:\[\]\"']+\s*=\s*function\s*\(")
ONE_LINE = re.compile(r"^\s*(?:local\s+)?function\s+([\w.:]+)\s*\(.*\bend\b")


def keep(tag, path, lines):
    return DEFINES.search(lines[tag.line - 1]) is not None


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = ONE_LINE.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Lua",
    "files": ["/usr/share/lua/**/*.lua"],
    "files_name": "Penlight (/usr/share/lua, lua-penlight)",
    "ctags": ("Lua", "f"),
    "keep": keep,
    "also": also,
    "reference_name": "ctags Lua: functions where the line defines them; one-line functions",
}
