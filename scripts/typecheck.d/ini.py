# INI: systemd's units, desktop entries, the .ini files of the machine, Wine's
# setup file, Python projects' setup.cfg and .coveragerc, .editorconfig and
# .gitmodules files. Counted: sections, as ctags's Iniconf parser sees them.
ROW = {
    "type": "INI",
    "files": ["/usr/lib/systemd/**/*.service", "/usr/lib/systemd/**/*.socket", "/usr/lib/systemd/**/*.timer",
              "/usr/lib/systemd/**/*.target", "/usr/lib/systemd/**/*.mount", "/usr/lib/systemd/**/*.path",
              "/usr/lib/systemd/**/*.slice", "/usr/share/applications/*.desktop", "/etc/xdg/autostart/*.desktop",
              "/usr/share/wine/**/*.desktop", "/usr/share/doc/wine/**/*.desktop", "/usr/share/wine/*.inf",
              "/usr/lib/google-cloud-sdk/platform/**/*.ini", "/usr/share/texlive/texmf-dist/**/*.ini",
              "/usr/lib/llvm-*/build/utils/**/*.ini", "/usr/share/doc/fp-compiler/**/*.ini", "/root/.pyenv/versions/*/**/*.ini",
              "/usr/lib/google-cloud-sdk/platform/**/setup.cfg", "/usr/lib/google-cloud-sdk/platform/**/.coveragerc",
              "/usr/lib/google-cloud-sdk/platform/**/.editorconfig", "/usr/src/rustc-*/src/**/.gitmodules",
              "/usr/src/rustc-*/src/**/.editorconfig", "/root/.pyenv/.editorconfig", "/etc/gitconfig"],
    "exclude": r"\\",  # names with a backslash: ctags escapes them
    "files_name": "systemd units, desktop entries, the machine's .ini, .inf, setup.cfg, .coveragerc, .editorconfig, .gitmodules",
    "ctags": ("Iniconf", "s"),
    "reference_name": "ctags Iniconf: sections",
}
