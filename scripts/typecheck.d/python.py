# Python: the standard library. Counted: classes, functions and methods (ctags).
ROW = {
    "type": "Python",
    "nesting": True,  # a method's label keeps its indentation: it shows the class it is in
    "files": ["/usr/lib/python3*/**/*.py"],
    "exclude": r"/(site|dist)-packages/|/lib2to3/tests/data/|/test/bad",
    "files_name": "/usr/lib/python3* standard library",
    "ctags": ("Python", "cfm"),
    "reference_name": "ctags Python: classes, functions, methods",
}
