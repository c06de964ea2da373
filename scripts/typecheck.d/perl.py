# Perl: the Perl library of this machine. Counted: subs and packages (ctags).
ROW = {
    "type": "Perl",
    "files": ["/usr/share/perl/**/*.pm", "/usr/share/perl/**/*.pl", "/usr/share/perl5/**/*.pm",
              "/usr/lib/x86_64-linux-gnu/perl*/**/*.pm"],
    "files_name": "Perl library (/usr/share/perl*, /usr/lib/*/perl*)",
    "ctags": ("Perl", "sp"),
    "reference_name": "ctags Perl: subs, packages",
}
