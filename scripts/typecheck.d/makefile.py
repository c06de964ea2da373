# Makefile: the machine's makefiles. Counted: targets (ctags), special targets
# such as .PHONY left out.
def keep(tag, path, lines):
    return tag.kind == "target" and not tag.name.startswith(".")


ROW = {
    "type": "Makefile",
    "files": ["/usr/share/**/Makefile", "/usr/share/**/Makefile.*", "/usr/share/**/*.mk", "/usr/lib/**/Makefile",
              "/usr/lib/**/*.mk", "/usr/src/**/Makefile", "/usr/src/**/*.mk", "/usr/src/**/Makefile.*"],
    "exclude": r"\.(gz|bak|in|am|orig|xz|bz2)$",
    "files_name": "Makefile, Makefile.*, *.mk under /usr/share, /usr/lib, /usr/src",
    "ctags": ("Make", "t"),
    "keep": keep,
    "reference_name": "ctags Make: targets (not special .TARGETS)",
}
