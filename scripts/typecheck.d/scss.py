# SCSS: the Sass sources of frameworks and mixin libraries on npm, halves by the package's checksum.
# ctags's SCSS parser misses selectors built with interpolation (`.btn-#{$name}`) and tags numbers in
# values (`0.25`) as classes, so the row has a rule of its own, with ctags's kinds: outside comments
# and parenthesised maps, every @mixin and @function, and every rule whose selector starts with a
# class, an id or a placeholder (after `&` or a combinator), by its selector; a selector that starts
# with an interpolation (`#{$sel} {`) is not counted, as it may be a property (`#{$side}: 0;`).
import re

DEFINITION = re.compile(r"^\s*@(?:mixin|function)\s+([\w-]+)")
RULE = re.compile(r"^\s*((?:&|[>+~]\s*)?(?:[.%]|#[^{\s])(?:#\{[^}]*\}|#(?!\{)|[^{};#])*?)\s*(?:\{.*|,\s*)$")
TOKENS = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)*\'|#\{|//|/\*|\*/|[(){}]')


def reference(path, lines):
    comment = False
    parens = 0
    for number, text in enumerate(lines, 1):
        if not comment and parens == 0:
            m = DEFINITION.match(text) or RULE.match(text)
            if m:
                yield number, m.group(1)
        interpolation = 0
        for token in TOKENS.findall(text):
            if comment:
                comment = token != "*/"
            elif token == "/*":
                comment = True
            elif token == "//":
                break
            elif token == "#{":
                interpolation += 1
            elif token == "}" and interpolation:
                interpolation -= 1
            elif token == "(":
                parens += 1
            elif token == ")" and parens:
                parens -= 1


ROW = {
    "type": "SCSS",
    "npm": ["bootstrap@5.3.3", "bulma@1.0.2", "foundation-sites@6.8.1", "bourbon@7.3.0", "@primer/css@21.3.1",
            "include-media@2.0.0", "sass-mq@6.0.0", "spectre.css@0.5.9", "milligram@1.4.1", "font-awesome@4.7.0"],
    "files": [CORPUS + "/npm/*/**/*.scss"],
    "files_name": "10 Sass frameworks and libraries (npm)",
    "reference": reference,
    "reference_name": "rule: mixins, functions, class, id and placeholder rules outside comments and maps",
}
