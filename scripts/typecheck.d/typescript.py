# TypeScript: the sources of npm packages that ship them (RxJS, immer, MobX, TanStack Query's core,
# Redux Toolkit, tRPC's server, Effect), fetched by scripts/fetch-corpus; this machine has none of its own.
# Split by package. The ctags here lists interface signatures and some overloads but not others, so the
# reference is the TypeScript compiler's parser (npm's typescript, fetched likewise): classes, interfaces,
# enums, type aliases, namespaces, functions, methods and constructors with a body, and variables,
# properties or class fields whose value is a function or a class.
import os
import subprocess

HELPER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "typescript_declarations.js")
PACKAGES = ["rxjs", "immer", "mobx", "@tanstack+query-core", "@reduxjs+toolkit", "@trpc+server", "effect"]


def reference(path, lines):
    out = subprocess.run(["node", HELPER, path], env=dict(os.environ, NODE_PATH=os.path.join(CORPUS, "npm")),
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    for raw in out.decode("latin-1").splitlines():
        line, _, name = raw.partition("\t")
        yield int(line), name


ROW = {
    "type": "TypeScript",
    "npm": ["typescript@5.4.5", "rxjs@7.8.1", "immer@10.1.1", "mobx@6.12.3", "@tanstack/query-core@5.40.0",
            "@reduxjs/toolkit@2.2.5", "@trpc/server@10.45.2", "effect@3.2.0"],
    "files": [os.path.join(CORPUS, "npm", p, "**", "*.ts") for p in PACKAGES],
    "exclude": r"\.d\.ts$",
    "files_name": "RxJS, immer, MobX, TanStack Query core, Redux Toolkit, tRPC, Effect sources (npm), by package",
    "reference": reference,
    "reference_name": "rule: named declarations with a body, as the TypeScript parser reads them",
}
