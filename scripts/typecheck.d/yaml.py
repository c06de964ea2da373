# YAML: the machine's YAML files (Google Cloud SDK's schemas and data, GitHub
# workflows of vendored projects, ...). ctags lists only anchors; the rule of
# this row: the keys of every document's top-level mapping, as a YAML parser
# (PyYAML) composes them, named by the key. Documents the parser rejects (and
# the rest of their file) count nothing.
try:
    import yaml
except ImportError:
    yaml = None


def reference(path, lines):
    if yaml is None:
        raise SystemExit("typecheck: the YAML row needs PyYAML (apt-get install python3-yaml)")
    try:
        for document in yaml.compose_all("\n".join(lines), Loader=yaml.SafeLoader):
            if isinstance(document, yaml.MappingNode):
                for key, _ in document.value:
                    yield key.start_mark.line + 1, str(key.value)
    except yaml.YAMLError:
        return


ROW = {
    "type": "YAML",
    "files": ["/usr/lib/google-cloud-sdk/lib/googlecloudsdk/**/*.yaml", "/usr/src/rustc-*/src/**/*.yml",
              "/usr/lib/google-cloud-sdk/platform/**/*.yml", "/root/.pyenv/.github/**/*.yml"],
    "files_name": "Google Cloud SDK's YAML, the machine's .yml and .yaml",
    "reference": reference,
    "reference_name": "rule: the keys of each document's top-level mapping, by PyYAML",
}
