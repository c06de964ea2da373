# Batch: the Windows batch files that ship on this machine (Go, CMake, Vim,
# Node's shims, Free Pascal's examples...). Counted: labels, as ctags sees them,
# and, a rule of this row, labels indented inside a parenthesised block, which
# ctags skips though goto reaches them.
import re


def indented_labels(path, lines):
    for number, text in enumerate(lines, 1):
        m = re.match(r"[ \t]+:([^\s:]\S*)", text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Batch",
    "files": ["/usr/lib/node_modules/**/*.cmd", "/usr/lib/google-cloud-sdk/platform/**/*.bat",
              "/usr/lib/google-cloud-sdk/platform/**/*.cmd", "/usr/share/go-*/src/**/*.bat", "/usr/src/rustc-*/src/**/*.bat",
              "/usr/src/rustc-*/src/**/*.cmd", "/usr/share/clang/*/libexec/*.bat", "/usr/share/cmake-*/**/*.bat",
              "/usr/share/vim/**/*.bat", "/usr/share/doc/fp-compiler/**/*.bat", "/usr/share/doc/fp-compiler/**/*.cmd",
              "/root/.pyenv/versions/*/lib/python*/venv/**/*.bat"],
    "files_name": "the machine's .bat and .cmd files",
    "ctags": ("DosBatch", "l"),
    "also": indented_labels,
    "reference_name": "ctags DosBatch: labels; rule: indented labels too",
}
