# Go: the Go standard library's sources. Counted: functions and methods, named
# types (struct, interface, other), as ctags sees them.
ROW = {
    "type": "Go",
    "files": ["/usr/share/go-1.*/src/**/*.go", "/usr/lib/go-1.*/src/**/*.go"],
    "exclude": r"/testdata/|/go-1\.\d+/(misc|test)/",
    "files_name": "the Go library's sources",
    "ctags": ("Go", "fsita"),
    "reference_name": "ctags Go: functions, methods, types",
}
