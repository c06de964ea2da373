# Starlark (Bazel): the rules of rules_nodejs as npm ships them (@bazel/*), their .bzl files and BUILD
# files, halves by the package's checksum. ctags has no Starlark parser; the rule reads each file with
# Python's own parser (Starlark is a subset of its grammar): every `def`, every top-level `x = rule(…)`
# (also `provider`, `aspect`, `repository_rule`, `macro`, `module_extension`, `tag_class`), by its
# name, and every top-level call with a `name = "…"` argument (a target), by that name, on the line
# of the call.
import ast

KINDS = {"rule", "provider", "aspect", "repository_rule", "macro", "module_extension", "tag_class"}


def reference(path, lines):
    try:
        tree = ast.parse("\n".join(lines))
    except (SyntaxError, ValueError):
        return
    for node in ast.walk(tree):
        if isinstance(node, ast.FunctionDef):
            yield node.lineno, node.name
    for node in tree.body:
        if (isinstance(node, ast.Assign) and isinstance(node.value, ast.Call)
                and isinstance(node.value.func, ast.Name) and node.value.func.id in KINDS
                and isinstance(node.targets[0], ast.Name)):
            yield node.lineno, node.targets[0].id
        elif isinstance(node, ast.Expr) and isinstance(node.value, ast.Call):
            for keyword in node.value.keywords:
                if keyword.arg == "name" and isinstance(keyword.value, ast.Constant):
                    yield node.lineno, str(keyword.value.value)


PACKAGES = ["@bazel/typescript@5.8.1", "@bazel/concatjs@5.8.1", "@bazel/esbuild@5.8.1", "@bazel/rollup@5.8.1",
            "@bazel/jasmine@5.8.1", "@bazel/terser@5.8.1", "@bazel/karma@2.3.2", "@bazel/protractor@5.8.1",
            "@bazel/labs@4.6.1", "@bazel/cypress@5.8.1"]

ROW = {
    "type": "Starlark",
    "npm": PACKAGES,
    "files": [CORPUS + "/npm/*/**/" + e for e in ("*.bzl", "BUILD", "BUILD.bazel", "WORKSPACE", "*.star")],
    "files_name": "rules_nodejs as npm ships it (@bazel/typescript, concatjs, esbuild, …), .bzl and BUILD files",
    "reference": reference,
    "reference_name": "rule (Python's parser): def, x = rule(…)/provider(…)/…, targets by their name",
}
