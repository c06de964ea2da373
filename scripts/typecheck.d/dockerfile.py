# Dockerfile: the Dockerfiles of rustc's CI and the others of the machine.
# ctags has no parser for them; the rule of this row: every FROM instruction
# (continued lines joined, comments skipped) is a stage, named by its AS name,
# else by its image.
import re


def reference(path, lines):
    start, joined = None, ""
    for number, text in enumerate(lines, 1):
        if start is None:
            if re.match(r"\s*(#|$)", text):
                continue
            start, joined = number, ""
        elif re.match(r"\s*#", text):
            continue
        joined += text.rstrip()
        if joined.endswith("\\"):
            joined = joined[:-1] + " "
            continue
        words = joined.split()
        if words and words[0].upper() == "FROM":
            args = [w for w in words[1:] if not w.startswith("--")]
            if args:
                yield start, args[2] if len(args) >= 3 and args[1].upper() == "AS" else args[0]
        start = None


ROW = {
    "type": "Dockerfile",
    "files": ["/usr/src/rustc-*/src/**/Dockerfile", "/usr/src/rustc-*/library/**/Dockerfile",
              "/usr/lib/google-cloud-sdk/platform/**/Dockerfile*", "/usr/share/go-*/src/**/Dockerfile*",
              "/root/.pyenv/test/Dockerfile"],
    "files_name": "rustc's CI Dockerfiles, the others of the machine",
    "reference": reference,
    "reference_name": "rule: every FROM instruction, named by its stage (AS) or image",
}
