# JSON: the manifests, settings and data files of the npm packages the CSS, SCSS and Protocol Buffers
# rows fetch, halves by the package's checksum. Counted: the keys of the top-level object, as ctags
# sees them (keys without a scope).
def keep(tag, path, lines):
    return tag.scope == ""


ROW = {
    "type": "JSON",
    "npm": ["bootstrap@5.3.3", "normalize.css@8.0.1", "animate.css@4.1.1", "bulma@1.0.2", "font-awesome@4.7.0",
            "purecss@3.0.0", "foundation-sites@6.8.1", "milligram@1.4.1", "spectre.css@0.5.9", "tachyons@4.12.0",
            "bourbon@7.3.0", "@primer/css@21.3.1", "include-media@2.0.0", "sass-mq@6.0.0",
            "google-proto-files@4.2.0", "protobufjs@7.4.0"],
    "files": [CORPUS + "/npm/*/**/*.json"],
    "files_name": "16 npm packages' JSON files",
    "ctags": ("JSON", "oansbz"),
    "keep": keep,
    "reference_name": "ctags JSON: keys of the top-level object",
}
