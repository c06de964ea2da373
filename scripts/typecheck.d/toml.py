# TOML: the Cargo.toml and tool settings of 43 Rust crates Debian packs (librust-*-dev), halves by the
# package's checksum. ctags has no TOML parser; the rule: every table header ([a.b], [[a]]) outside
# multi-line strings.
import re

HEADER = re.compile(r"^\s*\[\[?\s*([^\[\]]+?)\s*\]\]?\s*(#.*)?$")
CRATES = ["serde", "serde-json", "rand", "regex", "log", "libc", "clap", "syn", "quote", "proc-macro2", "tokio",
          "futures", "bytes", "itertools", "anyhow", "thiserror", "once-cell", "lazy-static", "bitflags", "cfg-if",
          "memchr", "num-traits", "chrono", "time", "url", "hyper", "http", "base64", "byteorder", "smallvec",
          "hashbrown", "indexmap", "parking-lot", "crossbeam-utils", "rayon", "walkdir", "tempfile", "toml",
          "semver", "unicode-width", "atty", "env-logger", "nom"]


def reference(path, lines):
    in_string = None
    for number, text in enumerate(lines, 1):
        if in_string:
            if in_string in text:
                in_string = None
            continue
        m = HEADER.match(text)
        if m:
            yield number, m.group(1)
            continue
        for quote in ('"""', "'''"):
            if text.count(quote) % 2 == 1:
                in_string = quote


ROW = {
    "type": "TOML",
    "debian": ["librust-%s-dev" % c for c in CRATES],
    "files": [CORPUS + "/deb/librust-*/**/*.toml"],
    "files_name": "43 Rust crates (librust-*-dev)",
    "reference": reference,
    "reference_name": "rule: table headers",
}
