# C#: React Native for Windows' managed library and code generator, the C# of two
# npm packages that bridge .NET and Node, Unity packages published on npm (UniTask,
# UniRx, Crowdin's plug-in, Caffeine, an ONNX runtime binding, TapTap's login SDK),
# the Azure client generator's shared code, and GTK#'s examples (Debian). Split by
# project: the managed library (the largest of the first set) is held out; the
# packages added later fall by the checksum rule, written out here because this row
# names its held-out half (odd: Caffeine, both ONNX packages, TapTap, Azure).
# ctags reads C# generics poorly (it misses methods with two type parameters or a
# `where` clause, takes `int this[...]` and conversion operators for fields), so the
# reference is tree-sitter's C# grammar (npm, fetched likewise, run in WebAssembly):
# namespaces, types, delegates, methods (interface, abstract and local ones too),
# constructors, destructors, operators, properties, indexers and events.
import os
import subprocess

HELPER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "csharp_declarations.js")


def references(paths):
    # One parser run for all the files: starting it costs more than parsing a file.
    out = subprocess.run(["node", HELPER] + list(paths), env=dict(os.environ, NODE_PATH=os.path.join(CORPUS, "npm")),
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    found = {}
    for raw in out.decode("latin-1").splitlines():
        file, line, name = raw.split("\t")
        found.setdefault(file, []).append((int(line), name))
    return found


ROW = {
    "type": "C#",
    "debian": ["gtk-sharp3-examples"],
    "npm": ["react-native-windows@0.73.22", "edge-js@26.1.0", "csharp-models-to-typescript@1.2.0",
            "com.cysharp.unitask@2.2.5", "com.neuecc.unirx@7.1.0", "com.crowdin.unity-plugin@0.12.0",
            "com.caffeine@1.1.11", "com.github.asus4.onnxruntime@0.4.9",
            "com.github.asus4.onnxruntime.unity@0.4.9", "com.taptap.sdk.login@4.10.9",
            "@azure-typespec/http-client-csharp@1.0.0-alpha.20260922.3",
            "web-tree-sitter@0.25.10", "tree-sitter-c-sharp@0.23.5"],
    "files": [CORPUS + "/npm/*/**/*.cs", CORPUS + "/deb/gtk-sharp3-examples/**/*.cs"],
    "project": r"/npm/(react-native-windows/[^/]+|[^/]+)/",
    "held_out": r"Microsoft\.ReactNative\.Managed$|^(com\.caffeine|com\.github\.asus4\.onnxruntime"
                r"|com\.github\.asus4\.onnxruntime\.unity|com\.taptap\.sdk\.login"
                r"|@azure-typespec\+http-client-csharp)$",
    "files_name": "React Native for Windows, edge-js, csharp-models-to-typescript, Unity packages, "
                  "the Azure generator's shared code (npm), GTK# examples (Debian), by project",
    "references": references,
    "reference_name": "rule: declarations as tree-sitter's C# grammar reads them",
}
