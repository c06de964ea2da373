# SCSS: the Sass sources of frameworks and mixin libraries on npm, halves by the package's checksum.
# Counted: mixins, functions, placeholders, classes, ids and top-level variables, as ctags sees them.
ROW = {
    "type": "SCSS",
    "npm": ["bootstrap@5.3.3", "bulma@1.0.2", "foundation-sites@6.8.1", "bourbon@7.3.0", "@primer/css@21.3.1",
            "include-media@2.0.0", "sass-mq@6.0.0", "spectre.css@0.5.9", "milligram@1.4.1", "font-awesome@4.7.0"],
    "files": [CORPUS + "/npm/*/**/*.scss"],
    "files_name": "10 Sass frameworks and libraries (npm)",
    "ctags": ("SCSS", "mfPci"),
    "reference_name": "ctags SCSS: mixins, functions, placeholders, classes, ids",
}
