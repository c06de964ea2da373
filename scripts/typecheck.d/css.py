# CSS: the style sheets of CSS frameworks on npm, halves by the package's checksum. Counted: the lines
# ctags finds selectors, classes and ids on.
ROW = {
    "type": "CSS",
    "npm": ["bootstrap@5.3.3", "normalize.css@8.0.1", "animate.css@4.1.1", "bulma@1.0.2", "font-awesome@4.7.0",
            "purecss@3.0.0", "foundation-sites@6.8.1", "milligram@1.4.1", "spectre.css@0.5.9", "tachyons@4.12.0",
            "@primer/css@21.3.1"],
    "files": [CORPUS + "/npm/*/**/*.css"],
    "files_name": "11 CSS frameworks (npm)",
    "ctags": ("CSS", "csi"),
    "reference_name": "ctags CSS: selectors, classes, ids",
}
