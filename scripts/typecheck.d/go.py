# Go: the Go standard library's sources. Counted: functions and methods, named
# types (struct, interface, other), as ctags sees them.
ROW = {
    "type": "Go",
    "debian": ["golang-1.19-src"],
    "files": ["/usr/share/go-1.*/src/**/*.go", "/usr/lib/go-1.*/src/**/*.go",
              CORPUS + "/deb/golang-1.19-src/usr/share/go-1.*/src/**/*.go"],
    "project": r"/go-1\.\d+/src/([^/]+)/",
    "exclude": r"/testdata/|/go-1\.\d+/(misc|test)/",
    "files_name": "the Go library's sources (golang-1.19-src), by top package",
    "ctags": ("Go", "fsita"),
    "reference_name": "ctags Go: functions, methods, types",
}
