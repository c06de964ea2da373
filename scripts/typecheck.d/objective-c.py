# Objective-C: the iOS side of React Native and Expo modules (npm), `.m` and Objective-C++ `.mm`,
# halves by the package's checksum. ctags' parser reads these files wrongly (macro calls filed as
# categories, methods missed or filed on the line of their `{`), so the rule is the row's own, on the
# text with comments, strings and preprocessor lines blanked: `@interface`, `@implementation` and
# `@protocol` (not forward declarations) by the class's name; every method head (`-`/`+` at the
# outer level of such a block, declared or defined) by its whole selector (`initWithFrame:style:`),
# across lines; and every function defined at the file's outer level (a body follows its
# parameters; `A::f` by `f`), macros in capitals excepted.
import re

CONTAINER = re.compile(r"@(interface|implementation|protocol)\s+(\w+)")
KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "do", "else", "catch"}


def blank(text):
    """The text with comments, strings, character literals and preprocessor lines as spaces."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            out.append(c)
            i += 1
            continue
        if line_start and c == "#":
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out.append(" \n")
                    i += 2
                    continue
                out.append(" ")
                i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                out.append(" ")
                i += 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
            continue
        if c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (min(j, n) - i - 1) + (c if j < n and text[j] == c else ""))
            i = j + 1 if j < n and text[j] == c else j
            continue
        if c == "\n":
            line_start = True
        out.append(c)
        i += 1
    return "".join(out)


def selector(head):
    """The selector of a method head `- (T)a:(T)x b:(T)y` (text up to its `;` or `{`)."""
    body = head.lstrip()[1:]
    # Parenthesised parts (return and parameter types, attributes) go, nested ones too.
    previous = None
    while previous != body:
        previous = body
        body = re.sub(r"\([^()]*\)", " ", body)
    parts = re.findall(r"(\w+)\s*:", body)
    if parts:
        return "".join(p + ":" for p in parts)
    m = re.match(r"\s*(\w+)", body)
    return m.group(1) if m else None


def first_branches(lines):
    """Per line: whether it is in the first branch of every preprocessor conditional around it."""
    stack, keep = [], []
    for line in lines:
        directive = re.match(r"\s*#\s*(\w+)", line)
        word = directive.group(1) if directive else ""
        if word.startswith("if"):
            stack.append(True)
        elif word in ("else", "elif") and stack:
            stack[-1] = False
        elif word == "endif" and stack:
            stack.pop()
        keep.append(all(stack))
    return keep


def reference(path, lines):
    code = blank("\n".join(lines)).split("\n")
    counted = first_branches(lines)
    braces = []  # per open brace: whether it is a block (a namespace's or extern "C"'s is not)
    container = False
    for number, line in enumerate(code):
        stripped = line.strip()
        m = CONTAINER.search(line)
        if m and not re.search(r"@(interface|implementation|protocol)\s+\w+\s*[;,]", line):
            # Always at the outer level; braces of a conditional's other branch may still be counted.
            container = True
            yield number + 1, m.group(2)
        elif "@end" in line:
            container = False
        elif not any(braces):
            if container and re.match(r"[-+]\s*\(", stripped):
                head, last = "", number
                while last < len(code):
                    head += " " + code[last]
                    if re.search(r"[;{]", code[last]):
                        break
                    last += 1
                name = selector(re.split(r"[;{]", head)[0])
                if name:
                    yield number + 1, name
            elif re.match(r"[A-Za-z_]", line):
                head, last = "", number
                while last < len(code) and last < number + 12:
                    head += " " + code[last]
                    if re.search(r"[;{}]", code[last]):
                        break
                    last += 1
                head = head.split("{")[0] if "{" in head and ";" not in head.split("{")[0] else ""
                m = re.match(r"[^=(]*?([A-Za-z_]\w*)\s*\(", head)
                if (m and m.group(1) not in KEYWORDS and not re.fullmatch(r"[A-Z0-9_]+", m.group(1))
                        and re.search(r"\)[\w\s()]*$", head)
                        and re.search(r"[\w>][\s*&]+[\w:]*" + m.group(1) + r"\s*\(", head)):
                    yield number + 1, m.group(1)
        if counted[number]:
            scope = not re.match(r"\s*(inline\s+)?namespace\b|\s*extern\s+\"", line)
            for c in re.findall(r"[{}]", line):
                if c == "{":
                    braces.append(scope)
                elif braces:
                    braces.pop()


PACKAGES = ["react-native-maps@1.29.11", "react-native-gesture-handler@3.5.0", "expo-modules-core@58.2.1",
            "react-native-safe-area-context@5.11.1", "react-native-keyboard-controller@1.23.1",
            "react-native-fs@2.20.0", "react-native-webview@16.0.0", "react-native-device-info@15.0.2",
            "@stripe/stripe-react-native@0.78.0", "lottie-react-native@7.5.0",
            "@react-native-community/netinfo@12.0.1", "react-native-pager-view@10.0.3",
            "react-native-screens@4.30.1", "react-native-svg@15.16.1", "react-native-permissions@5.6.2",
            "react-native-vision-camera@5.2.3", "react-native-image-picker@8.2.1",
            "@react-native-async-storage/async-storage@3.1.1", "react-native-vector-icons@10.3.0",
            "react-native-mmkv@4.3.2", "react-native-bootsplash@7.3.3"]

ROW = {
    "type": "Objective-C",
    "npm": PACKAGES,
    "files": [CORPUS + "/npm/*/**/" + e for e in ("*.m", "*.mm")],
    "files_name": "21 React Native and Expo modules' iOS code (npm), .m and .mm",
    "reference": reference,
    "reference_name": "rule: @interface/@implementation/@protocol, methods by selector, functions defined at the outer level",
}
