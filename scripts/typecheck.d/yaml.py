# YAML: the machine's YAML files (Google Cloud SDK's schemas and data, GitHub
# workflows of vendored projects, ...) and YAML shipped in Debian packages. ctags lists only anchors; the rule of
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
        # The lines come as bytes read one to a character; the parser wants the file's UTF-8 text.
        text = "\n".join(lines).encode("latin-1").decode("utf-8", "replace")
        for document in yaml.compose_all(text, Loader=yaml.SafeLoader):
            if isinstance(document, yaml.MappingNode):
                for key, _ in document.value:
                    yield key.start_mark.line + 1, str(key.value)
    except yaml.YAMLError:
        return


# Packages shipping YAML (ansible-core's plugin docs and playbooks, netplan's examples, Alertmanager's
# test configurations, RuboCop's configurations); halves by the checksum of deb/PACKAGE.
PACKAGES = ["ansible-core", "netplan.io", "golang-github-prometheus-alertmanager-dev", "rubocop"]

ROW = {
    "type": "YAML",
    "files": ["/usr/lib/google-cloud-sdk/lib/googlecloudsdk/**/*.yaml", "/usr/src/rustc-*/src/**/*.yml",
              "/usr/lib/google-cloud-sdk/platform/**/*.yml", "/root/.pyenv/.github/**/*.yml"]
             + [CORPUS + "/deb/%s/**/*.%s" % (p, e) for p in PACKAGES for e in ("yml", "yaml")],
    "debian": PACKAGES,
    "files_name": "Google Cloud SDK's YAML, the machine's .yml and .yaml, Debian packages' YAML",
    "reference": reference,
    "reference_name": "rule: the keys of each document's top-level mapping, by PyYAML",
}
