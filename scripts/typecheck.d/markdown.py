# Markdown: the machine's documentation. Counted: headings (ctags), `#` lines
# and underlined ones, outside fenced code.
ROW = {
    "type": "Markdown",
    "files": ["/usr/share/doc/**/*.md", "/usr/src/**/*.md", "/usr/lib/**/*.md", "/usr/share/**/*.markdown"],
    "files_name": ".md under /usr/share/doc, /usr/src, /usr/lib",
    "ctags": ("Markdown", "csStTu"),
    "reference_name": "ctags Markdown: headings",
}
