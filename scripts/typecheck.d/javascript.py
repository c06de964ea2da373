# JavaScript: npm and its dependencies. ctags finds few functions in modern JavaScript, so the reference
# is a real parser (acorn, installed with npm on first use into build/typecheck): named functions and
# classes, class and object methods, getters and setters, and variables, properties, class fields or
# assignments that hold a function or a class.
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PREFIX = os.path.join(os.path.dirname(os.path.dirname(HERE)), "build", "typecheck")


def acorn():
    modules = os.path.join(PREFIX, "node_modules")
    if not os.path.isdir(os.path.join(modules, "acorn")):
        if not shutil.which("npm") or not shutil.which("node"):
            sys.exit("typecheck: the JavaScript row needs node and npm")
        subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--prefix", PREFIX, "acorn@8"],
                       stdout=subprocess.DEVNULL, check=True)
    return modules


def reference(path, lines):
    env = dict(os.environ, NODE_PATH=acorn())
    out = subprocess.run(["node", os.path.join(HERE, "javascript_functions.js"), path], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    for raw in out.decode("latin-1").splitlines():
        line, _, name = raw.partition("\t")
        yield int(line), name


ROW = {
    "type": "JavaScript",
    "files": ["/usr/lib/node_modules/**/*.js", "/usr/lib/node_modules/**/*.mjs", "/usr/lib/node_modules/**/*.cjs"],
    "exclude": r"\.min\.js$",
    "files_name": "npm and its modules (/usr/lib/node_modules)",
    "reference": reference,
    "reference_name": "rule: named functions, classes, methods as a parser (acorn) reads them",
}
