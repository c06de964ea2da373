# Batch: the Windows batch files that ship on this machine (Go, CMake, Vim,
# Node's shims, Free Pascal's examples...), and those of Debian and npm packages
# made for Windows too (Lazarus's and CPython's build scripts, Cordova's, npm's,
# Gradle's launchers, winpty's build). Counted: labels, as ctags sees them, and,
# a rule of this row, labels indented inside a parenthesised block, which ctags
# skips though goto reaches them.
import re

DEBIAN = ["lazarus-src-2.2", "python3.11-examples", "python3-virtualenv"]
NPM = ["npm@12.2.3", "node-gyp@13.1.0", "node-windows@0.1.14", "cordova-windows@7.0.1",
       "@react-native-community/template@0.87.2", "expo-template-bare-minimum@57.0.28",
       "allure-commandline@2.46.1", "liquibase@4.28.1", "node-pty@1.1.0", "emsdk-npm@0.2.2"]
FETCHED = [CORPUS + "/deb/" + p for p in DEBIAN] + \
          [CORPUS + "/npm/" + re.sub(r"(?<=.)@[^/@]*$", "", p).replace("/", "+") for p in NPM]


def indented_labels(path, lines):
    for number, text in enumerate(lines, 1):
        m = re.match(r"[ \t]+:([^\s:]\S*)", text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Batch",
    "files": ["/usr/lib/node_modules/**/*.cmd", "/usr/lib/google-cloud-sdk/platform/**/*.bat",
              "/usr/lib/google-cloud-sdk/platform/**/*.cmd", "/usr/share/go-*/src/**/*.bat", "/usr/src/rustc-*/src/**/*.bat",
              "/usr/src/rustc-*/src/**/*.cmd", "/usr/share/clang/*/libexec/*.bat", "/usr/share/cmake-*/**/*.bat",
              "/usr/share/vim/**/*.bat", "/usr/share/doc/fp-compiler/**/*.bat", "/usr/share/doc/fp-compiler/**/*.cmd",
              "/root/.pyenv/versions/*/lib/python*/venv/**/*.bat"] +
             [folder + "/**/*." + ext for folder in FETCHED for ext in ("bat", "cmd", "BAT", "CMD")],
    "debian": DEBIAN,
    "npm": NPM,
    "files_name": "the machine's .bat and .cmd files; Lazarus, CPython's Tools, virtualenv (Debian); npm, node-gyp, Cordova, React Native, Expo, Allure, Liquibase, node-pty's winpty, emsdk (npm)",
    "ctags": ("DosBatch", "l"),
    "also": indented_labels,
    "reference_name": "ctags DosBatch: labels; rule: indented labels too",
}
