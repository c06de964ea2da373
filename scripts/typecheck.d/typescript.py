# TypeScript: the sources of RxJS, which npm installs into build/typecheck on first use (this machine has
# no TypeScript sources of its own). The ctags here lists interface signatures and some overloads but
# not others, so the reference is the TypeScript compiler's parser (npm's typescript, installed likewise):
# classes, interfaces, enums, type aliases, namespaces, functions, methods and constructors with a body,
# and variables, properties or class fields whose value is a function or a class.
import os
import shutil
import subprocess

PREFIX = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                      "build", "typecheck")
MODULES = os.path.join(PREFIX, "node_modules")
SOURCES = os.path.join(MODULES, "rxjs", "src")
HELPER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "typescript_declarations.js")

if not os.path.isdir(os.path.join(MODULES, "typescript")) and shutil.which("npm"):
    subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--prefix", PREFIX, "rxjs@7",
                    "typescript@5"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def reference(path, lines):
    out = subprocess.run(["node", HELPER, path], env=dict(os.environ, NODE_PATH=MODULES),
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    for raw in out.decode("latin-1").splitlines():
        line, _, name = raw.partition("\t")
        yield int(line), name


ROW = {
    "type": "TypeScript",
    "files": [os.path.join(SOURCES, "**", "*.ts")],
    "exclude": r"\.d\.ts$",
    "files_name": "RxJS 7 sources (npm, into build/typecheck)",
    "reference": reference,
    "reference_name": "rule: named declarations with a body, as the TypeScript parser reads them",
}
