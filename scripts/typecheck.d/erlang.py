# Erlang: the Erlang/OTP sources (Debian's erlang-src), split by OTP application: a to l tune,
# m to z are held out. Counted: every function clause, records, macros, types and the module, as
# ctags sees them, less what ctags takes for a function clause and is none: a line at column 0
# that does not go on with the name's "(" (text of a string or a list running over lines, "end.").
import re

HEAD = re.compile(r"\s*(?:'[^']*'|[a-z][\w@]*)\s*(?:\(|$)")


def keep(tag, path, lines):
    if tag.kind != "function":
        return True
    text = lines[tag.line - 1]
    below = lines[tag.line] if tag.line < len(lines) else ""
    return bool(HEAD.match(text)) and ("(" in text or below.lstrip().startswith("("))


ROW = {
    "type": "Erlang",
    "debian": ["erlang-src"],
    "files": [CORPUS + "/deb/erlang-src/**/*.erl", CORPUS + "/deb/erlang-src/**/*.hrl"],
    "project": r"/lib/(\w+)-\d",
    "held_out": r"^[m-z]",
    "files_name": "Erlang/OTP (erlang-src), by application",
    "ctags": ("Erlang", "dfmrt"),
    "keep": keep,
    "reference_name": "ctags Erlang: function clauses (a name and its \"(\"), records, macros, types, modules",
}
