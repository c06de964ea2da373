# Ruby: Ruby's standard library and bundled gems. Counted: classes, modules, methods, singleton methods
# (ctags).
ROW = {
    "type": "Ruby",
    "files": ["/usr/lib/ruby/**/*.rb"],
    "files_name": "Ruby library and gems (/usr/lib/ruby)",
    "ctags": ("Ruby", "cmfS"),
    "reference_name": "ctags Ruby: classes, modules, methods",
}
