# Assembly (GNU as, `.s` and preprocessed `.S`): libffi's trampolines for some thirty processors
# (npm ffi-napi), koffi's, libsodium's (sodium-native), zstd's (zstd-napi) and secp256k1's, halves by
# the package's checksum. ctags misses the labels these sources write through macros (`C(f):`,
# `L(x):`), so the rule is the row's own, on the text with `/* */` comments blanked: every named
# label (`name:`, `.Lname:`, `M(name):`; not numeric local labels `1:`), `.macro`, `.set` and `.equ`
# names, and `#define` names.
import re

LABEL = re.compile(r"^\s*((?:[A-Za-z_.$][\w.$]*)|(?:\w+\(\s*\w*\s*\)))\s*:(?!:)")
DIRECTIVE = re.compile(r"^\s*\.(?:macro|set|equ)\s+([\w.$]+)")
DEFINE = re.compile(r"^\s*#\s*define\s+(\w+)")


def reference(path, lines):
    text = re.sub(r"/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group(0)), "\n".join(lines), flags=re.S)
    for number, line in enumerate(text.split("\n"), 1):
        for pattern in (LABEL, DIRECTIVE, DEFINE):
            m = pattern.match(line)
            if m:
                yield number, re.sub(r"^\w+\(\s*(\w*)\s*\)$", r"\1", m.group(1))
                break


PACKAGES = ["ffi-napi@4.0.3", "koffi@3.3.4", "sodium-native@2.4.9", "bcrypto@5.5.2", "secp256k1@5.0.2",
            "zstd-napi@0.0.13"]

ROW = {
    "type": "Assembly",
    "npm": PACKAGES,
    "files": [CORPUS + "/npm/*/**/" + e for e in ("*.s", "*.S")],
    "files_name": "libffi (ffi-napi), koffi, libsodium (sodium-native), zstd, secp256k1, bcrypto (npm)",
    "reference": reference,
    "reference_name": "rule: named labels (through macros too), .macro/.set/.equ and #define names",
}
