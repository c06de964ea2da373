# Emacs Lisp: the machine's Emacs files and Debian's elpa-* packages (evil, company, helm, ...), halves by
# the checksum of deb/PACKAGE. The ctags here knows no
# cl-defun, cl-defmethod, cl-defgeneric nor transient-define-*, so the reference is a rule: top-level forms,
# found by reading the file as Lisp (strings, comments, character literals and escapes skipped), whose head
# is a definition macro: `def...` or `define...` after an optional prefix such as `cl-` or `transient-`,
# but not `definition...`, `default...`, `defer...` nor `define-key`, a key binding, also after a prefix
# (`evil-define-key`). The name is the symbol after it.
import re

HEAD = re.compile(r"^(?:\w+-)*def(?!inition|ault|er)[\w*-]*$")
ATOM = re.compile(r"[^\s()\[\]\"';`,]+")


def top_level_forms(text):
    """(line, text after the opening parenthesis) of each top-level list."""
    depth, i, n, line = 0, 0, len(text), 1
    while i < n:
        c = text[i]
        if c == "\n":
            line += 1
        elif c == ";":
            while i < n and text[i] != "\n":
                i += 1
            continue
        elif c == '"':
            i += 1
            while i < n and text[i] != '"':
                if text[i] == "\\":
                    i += 1
                if i < n and text[i] == "\n":
                    line += 1
                i += 1
        elif c == "\\":
            i += 2
            continue
        elif c == "?" and (i == 0 or text[i - 1] in " \t\n('`,"):
            i += 3 if text[i + 1:i + 2] == "\\" else 2
            continue
        elif c in "([":
            if depth == 0 and c == "(":
                yield line, text[i + 1:i + 400]
            depth += 1
        elif c in ")]":
            depth = max(0, depth - 1)
        i += 1


def reference(path, lines):
    for line, rest in top_level_forms("\n".join(lines)):
        words = rest.split(None, 2)
        if len(words) < 2 or not HEAD.match(words[0]) or words[0].endswith("define-key"):
            continue
        name = ATOM.search(words[1].lstrip("'("))
        if name:
            yield line, name.group()


PACKAGES = ["elpa-markdown-mode", "elpa-flycheck", "elpa-projectile", "elpa-evil", "elpa-use-package", "elpa-f",
            "elpa-web-mode", "elpa-haskell-mode", "elpa-company", "elpa-helm", "elpa-ivy", "elpa-yasnippet",
            "elpa-paredit", "elpa-rust-mode", "elpa-which-key"]

ROW = {
    "type": "Emacs Lisp",
    "debian": PACKAGES,
    "files": ["/usr/share/emacs/**/*.el"] + [CORPUS + "/deb/%s/**/*.el" % p for p in PACKAGES],
    "files_name": "the machine's Emacs files (/usr/share/emacs) and Debian's elpa-* packages",
    "reference": reference,
    "reference_name": "rule: top-level def.../define... forms read as Lisp",
}
