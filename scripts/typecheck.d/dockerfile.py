# Dockerfile: the Dockerfiles of rustc's CI and the others of the machine; Rust's
# and Go's sources, the Ansible collections' test containers (each collection a
# project) and Ansible's own (Debian); dockerfilelint's examples, pm2's and
# LoopBack's templates, react-native-camera's (npm).
# ctags has no parser for them; the rule of this row: every FROM instruction
# (continued lines joined, comments skipped) is a stage, named by its AS name,
# else by its image (a template's {{ expressions }} included).
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
        # A template's {{ expression }} is one word of the image's name.
        words = re.findall(r"(?:\{\{.*?\}\}|\S)+", joined)
        if words and words[0].upper() == "FROM":
            args = [w for w in words[1:] if not w.startswith("--")]
            if args:
                yield start, args[2] if len(args) >= 3 and args[1].upper() == "AS" else args[0]
        start = None


ROW = {
    "type": "Dockerfile",
    "files": ["/usr/src/rustc-*/src/**/Dockerfile", "/usr/src/rustc-*/library/**/Dockerfile",
              "/usr/lib/google-cloud-sdk/platform/**/Dockerfile*", "/usr/share/go-*/src/**/Dockerfile*",
              "/root/.pyenv/test/Dockerfile"] +
             [CORPUS + "/" + package + "/**/" + name for package in ("deb/rust-src", "deb/golang-1.19-src",
                                                                   "deb/ansible", "deb/ansible-core",
                                                                   "npm/dockerfilelint", "npm/pm2",
                                                                   "npm/@loopback+cli", "npm/react-native-camera")
              for name in ("Dockerfile*", "Containerfile*", "*.dockerfile")],
    "debian": ["rust-src", "golang-1.19-src", "ansible", "ansible-core"],
    "npm": ["dockerfilelint@1.8.0", "pm2@7.0.4", "@loopback/cli@7.0.17", "react-native-camera@4.2.1"],
    "project": r"ansible_collections/[^/]+/[^/]+",
    "files_name": "the machine's; Rust's, Go's, Ansible's and its collections' (Debian); dockerfilelint, pm2, "
                  "LoopBack, react-native-camera (npm)",
    "reference": reference,
    "reference_name": "rule: every FROM instruction, named by its stage (AS) or image",
}
