# INI: systemd's units, desktop entries, .ini files of the machine and Wine's
# setup file. Counted: sections, as ctags's Iniconf parser sees them.
ROW = {
    "type": "INI",
    "files": ["/usr/lib/systemd/**/*.service", "/usr/lib/systemd/**/*.socket", "/usr/lib/systemd/**/*.timer",
              "/usr/lib/systemd/**/*.target", "/usr/lib/systemd/**/*.mount", "/usr/lib/systemd/**/*.path",
              "/usr/lib/systemd/**/*.slice", "/usr/share/applications/*.desktop", "/etc/xdg/autostart/*.desktop",
              "/usr/share/wine/**/*.desktop", "/usr/share/doc/wine/**/*.desktop", "/usr/share/wine/*.inf",
              "/usr/lib/google-cloud-sdk/platform/**/*.ini", "/usr/share/texlive/texmf-dist/**/*.ini",
              "/usr/lib/llvm-*/build/utils/**/*.ini", "/usr/share/doc/fp-compiler/**/*.ini", "/root/.pyenv/versions/*/**/*.ini"],
    "exclude": r"\\",  # names with a backslash: ctags escapes them
    "files_name": "systemd units, desktop entries, the machine's .ini, .inf, .editorconfig, .gitmodules",
    "ctags": ("Iniconf", "s"),
    "reference_name": "ctags Iniconf: sections",
}
