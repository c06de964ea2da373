# C#: React Native for Windows' managed library and code generator, and the C# of
# two npm packages that bridge .NET and Node. Split by project: the managed
# library (the largest) is held out, the code generator, the app templates and the
# other packages are tuned on. Counted: classes, structs, interfaces, enums,
# namespaces and methods (constructors too).

ROW = {
    "type": "C#",
    "npm": ["react-native-windows@0.73.22", "edge-js@26.1.0", "csharp-models-to-typescript@1.2.0"],
    "files": [CORPUS + "/npm/react-native-windows/**/*.cs", CORPUS + "/npm/edge-js/**/*.cs",
              CORPUS + "/npm/csharp-models-to-typescript/**/*.cs"],
    "project": r"/npm/(react-native-windows/[^/]+|[^/]+)/",
    "held_out": r"Microsoft\.ReactNative\.Managed$",
    "files_name": "React Native for Windows, edge-js, csharp-models-to-typescript (npm), by project",
    "ctags": ("C#", "cgisnm"),
    "reference_name": "ctags C#: classes, structs, interfaces, enums, namespaces, methods and constructors",
}
