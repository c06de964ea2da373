# Kotlin: the Android side of React Native and Expo modules (npm), halves by the package's
# checksum. Counted: classes (data, enum, sealed, annotation too), interfaces, objects, functions
# and type aliases, as ctags sees them; properties and constants are not (a reader looks for the
# code, not every field).

import re

VALUE_CLASS = re.compile(r"^\s*(?:@[\w.:]+(?:\([^)]*\))?\s+)*(?:[a-z]+\s+)*value\s+class\s+(\w+)")


def keep(tag, path, lines):
    # ctags files lambdas (<lambda>, and their parameters), loop variables and `when (val x` as
    # methods, and names companion objects that have none: only a `fun` before the name is one.
    text = lines[tag.line - 1]
    if tag.kind == "method":
        return re.search(r"\bfun\b.*[\s.`]" + re.escape(tag.name) + r"`?\s*[(<]", text) is not None
    if tag.kind == "object" and tag.name == "Companion":
        return re.search(r"\bobject\s+Companion\b", text) is not None
    return True


def also(path, lines):
    # ctags does not know value classes.
    for number, text in enumerate(lines, 1):
        m = VALUE_CLASS.match(text)
        if m:
            yield number, m.group(1)


PACKAGES = ["react-native-screens@4.30.1", "react-native-gesture-handler@3.5.0", "expo-modules-core@58.2.1",
            "@react-native-async-storage/async-storage@3.1.1", "react-native-vision-camera@5.2.3",
            "@stripe/stripe-react-native@0.78.0", "react-native-safe-area-context@5.11.1",
            "react-native-pager-view@10.0.3", "lottie-react-native@7.5.0", "react-native-webview@16.0.0",
            "react-native-bootsplash@7.3.3", "react-native-keyboard-controller@1.23.1", "react-native-mmkv@4.3.2",
            "expo-camera@58.0.14", "expo-image@58.0.19", "expo-notifications@58.1.9",
            "react-native-permissions@5.6.2"]

ROW = {
    "type": "Kotlin",
    "npm": PACKAGES,
    "files": [CORPUS + "/npm/*/**/" + e for e in ("*.kt", "*.kts")],
    "files_name": "17 React Native and Expo modules' Android code (npm)",
    "ctags": ("Kotlin", "ciomT"),
    "keep": keep,
    "also": also,
    "reference_name": "ctags Kotlin: classes, interfaces, objects, functions, type aliases",
}
