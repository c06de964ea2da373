# Lua: Debian's Lua libraries (their 5.1 trees: the other versions' link to them), split by package:
# Penlight and LDoc tune; busted, luassert, say and JSON are held out. Counted: functions (ctags) where the
# line defines them (`function NAME`, `NAME = function`): ctags also tags assignments from calls that take a
# function (`x = s:gsub(p, function ...)`, `x = function_arg(...)`). It misses functions written on one
# line, which count too.
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
    "debian": ["lua-penlight", "lua-ldoc", "lua-busted", "lua-luassert", "lua-say", "lua-json"],
    "files": [CORPUS + "/deb/" + p + "/usr/share/lua/5.1/**/*.lua"
              for p in ["lua-penlight", "lua-ldoc", "lua-busted", "lua-luassert", "lua-say", "lua-json"]],
    "held_out": r"^deb/lua-(busted|luassert|say|json)$",
    "files_name": "Lua libraries (lua-penlight, lua-ldoc / lua-busted, lua-luassert, lua-say, lua-json)",
    "ctags": ("Lua", "f"),
    "keep": keep,
    "also": also,
    "reference_name": "ctags Lua: functions where the line defines them; one-line functions",
}
