# Vim script: Vim's runtime files and Debian's Vim plugin packages (ALE, fugitive, airline, ...). Counted: functions and user commands (ctags), and the Vim9
# `export def` functions, which this ctags does not know.
import re

EXPORT_DEF = re.compile(r"^\s*export\s+def\s+([\w:#.<>]+)\s*\(")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = EXPORT_DEF.match(text)
        if m:
            yield number, m.group(1)


# Plugins, by package; their halves by the checksum of deb/PACKAGE.
PLUGINS = ["vim-ale", "vim-fugitive", "vim-airline", "vim-syntastic", "vim-airline-themes", "vim-tlib",
           "vim-ultisnips", "vim-julia", "vim-editorconfig"]

ROW = {
    "type": "Vim script",
    "debian": PLUGINS,
    "files": ["/usr/share/vim/**/*.vim"] + [CORPUS + "/deb/%s/**/*.vim" % p for p in PLUGINS],
    "files_name": "Vim runtime (/usr/share/vim) and Debian's vim-* plugin packages",
    "ctags": ("Vim", "fc"),
    "also": also,
    "reference_name": "ctags Vim: functions, commands; Vim9 `export def`",
}
