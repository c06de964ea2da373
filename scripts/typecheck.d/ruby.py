# Ruby: Debian's Ruby libraries, split by package: rake, thor and i18n tune; rack, rspec-core and
# tzinfo are held out. Counted: classes, modules, methods, singleton methods (ctags).
ROW = {
    "type": "Ruby",
    "debian": ["rake", "ruby-thor", "ruby-i18n", "ruby-rack", "ruby-rspec-core", "ruby-tzinfo"],
    "files": [CORPUS + "/deb/" + p + "/**/*.rb"
              for p in ["rake", "ruby-thor", "ruby-i18n", "ruby-rack", "ruby-rspec-core", "ruby-tzinfo"]],
    "held_out": r"^deb/(ruby-rack|ruby-rspec-core|ruby-tzinfo)$",
    "files_name": "Ruby libraries (rake, ruby-thor, ruby-i18n / ruby-rack, ruby-rspec-core, ruby-tzinfo)",
    "ctags": ("Ruby", "cmfS"),
    "reference_name": "ctags Ruby: classes, modules, methods",
}
