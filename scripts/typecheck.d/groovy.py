# Groovy: the Gradle build scripts of 43 React Native and Expo modules (npm), halves by the
# package's checksum. ctags has no Groovy parser; the rule, on the text with comments and strings
# blanked: classes, interfaces, enums and traits; methods (`def f(…) {`, `void f(…) {`, typed, with
# modifiers); `task name`; and every block a build script is made of, `name {` or `name(…) {`
# (`android {`, `defaultConfig {`, `stage('Build') {`), by its name, except inside a method's body
# (there it is a call) and the keywords of control flow.
import re

KEYWORDS = {"if", "else", "for", "while", "switch", "try", "catch", "finally", "do", "synchronized",
            "return", "new", "throw", "assert"}
TYPE = re.compile(r"^\s*(?:@\w+(?:\([^)]*\))?\s+)*(?:(?:public|private|protected|static|final|abstract|sealed)\s+)*"
                  r"(?:class|interface|@interface|enum|trait)\s+(\w+)")
METHOD = re.compile(r"^\s*(?:@\w+(?:\([^)]*\))?\s+)*(?:(?:public|private|protected|static|final|abstract|"
                    r"synchronized|def)\s+)*(?:def|void|[A-Z][\w.<>\[\],? ]*|int|long|boolean|double|float|char|"
                    r"byte|short)\s+(\w+)\s*\([^;=]*\)\s*(?:throws\s[\w., ]+)?\{?\s*$")
TASK = re.compile(r"^\s*task\s+(\w+)")
BLOCK = re.compile(r"^\s*([\w.]+)\s*(?:\([^{}]*\))?\s*\{\s*$")


def blank(text):
    """Comments and the text of strings as spaces (the quote marks stay); lines stay where they are."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
        elif text[i] in "\"'":
            q = text[i:i + 3] if text[i:i + 3] in ('"""', "'''") else text[i]
            j = i + len(q)
            while j < n and not text.startswith(q, j) and (len(q) == 3 or text[j] != "\n"):
                j += 2 if text[j] == "\\" else 1
            j = min(n, j + len(q)) if text.startswith(q, j) else j
            out.append(q + re.sub(r"[^\n]", " ", text[i + len(q):max(i + len(q), j - len(q))]) +
                       (q if text.startswith(q, max(i + len(q), j - len(q))) and j - i >= 2 * len(q) else ""))
            i = j
            continue
        else:
            out.append(text[i])
            i += 1
            continue
        out.append(re.sub(r"[^\n]", " ", text[i:j]))
        i = j
    return "".join(out)


def reference(path, lines):
    code = blank("\n".join(lines)).split("\n")
    stack = []  # per open brace: whether a method's body begins there
    for number, line in enumerate(code, 1):
        in_method = any(stack)
        opens_method = False
        m = TYPE.match(line)
        if m:
            yield number, m.group(1)
        elif not in_method:
            m = METHOD.match(line)
            t = TASK.match(line)
            b = BLOCK.match(line)
            if m and m.group(1) not in KEYWORDS:
                opens_method = True
                yield number, m.group(1)
            elif t:
                yield number, t.group(1)
            elif b and b.group(1).split(".")[0] not in KEYWORDS:
                yield number, b.group(1)
        for c in re.findall(r"[{}]", line):
            if c == "{":
                stack.append(opens_method)
                opens_method = False
            elif stack:
                stack.pop()


PACKAGES = ["react-native-screens@4.30.1", "react-native-gesture-handler@3.5.0", "expo-modules-core@58.2.1",
            "@react-native-async-storage/async-storage@3.1.1", "react-native-vision-camera@5.2.3",
            "@stripe/stripe-react-native@0.78.0", "react-native-safe-area-context@5.11.1",
            "react-native-pager-view@10.0.3", "lottie-react-native@7.5.0", "react-native-webview@16.0.0",
            "react-native-bootsplash@7.3.3", "react-native-keyboard-controller@1.23.1", "react-native-mmkv@4.3.2",
            "@shopify/flash-list@2.3.2", "react-native-maps@1.29.11", "react-native-device-info@15.0.2",
            "react-native-image-picker@8.2.1", "react-native-svg@15.16.1", "@react-native-community/netinfo@12.0.1",
            "react-native-fs@2.20.0", "react-native-permissions@5.6.2", "react-native-vector-icons@10.3.0",
            "expo-camera@58.0.14", "expo-image@58.0.19", "expo-notifications@58.1.9",
            "@react-native-firebase/app@26.4.0", "react-native-reanimated@4.8.0", "@sentry/react-native@8.28.0",
            "react-native-video@6.19.3", "react-native-config@1.7.2", "react-native-splash-screen@3.3.0",
            "@react-native-community/datetimepicker@9.2.1", "@react-native-community/slider@5.2.1",
            "react-native-linear-gradient@2.8.3", "react-native-share@12.3.1", "react-native-blob-util@0.25.1",
            "react-native-haptic-feedback@3.0.0", "react-native-localize@3.7.2",
            "@react-native-google-signin/google-signin@16.1.5", "react-native-fast-image@8.18.0",
            "react-native-background-timer@2.4.1", "react-native-sound@0.13.0", "react-native-camera@4.2.1"]

ROW = {
    "type": "Groovy",
    "npm": PACKAGES,
    "files": [CORPUS + "/npm/*/**/" + e for e in ("*.gradle", "*.groovy", "Jenkinsfile")],
    "files_name": "43 React Native and Expo modules' Gradle scripts (npm)",
    "reference": reference,
    "reference_name": "rule: classes, methods, tasks, and build-script blocks outside methods",
    "nesting": True,  # a block's label keeps its indentation: it shows the block it is in
}
