# Rust: the Rust standard library and Debian's packaged crates. Counted:
# functions and methods, structs, enums, traits, impl blocks, modules with a
# body, type aliases and macro_rules! macros, as ctags sees them.
import re


def keep(tag, path, lines):
    if tag.kind == "module":
        return "{" in lines[tag.line - 1]
    return True


ROW = {
    "type": "Rust",
    "debian": ["rust-src"],
    "files": ["/usr/src/rustc-*/library/**/*.rs", "/usr/share/cargo/registry/**/*.rs",
              CORPUS + "/deb/rust-src/usr/src/rustc-*/library/**/*.rs"],
    "project": r"/library/([^/]+)/|/registry/([^/]+)/",
    "exclude": r"/tests?/",
    "files_name": "Rust's library sources (rust-src), /usr/share/cargo/registry crates, by crate",
    "ctags": ("Rust", "fPsgictnM"),
    "keep": keep,
    "reference_name": "ctags Rust: functions, methods, structs, enums, traits, impls, modules, type aliases, macros",
}
