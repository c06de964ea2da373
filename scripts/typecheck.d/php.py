# PHP: the PHP SDK that the cloud SDK bundles. Counted: classes, interfaces, traits, functions and
# methods, namespaces (ctags); namespace names as written, since ctags doubles their backslashes.
import re

NAMESPACE = re.compile(r"^\s*namespace\s+([\w\\]+)")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = NAMESPACE.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "PHP",
    "files": ["/usr/lib/google-cloud-sdk/platform/google_appengine/php/**/*.php"],
    "project": r"/php/sdk/(?:google/appengine|third_party)/([^/]+)/",
    "files_name": "PHP SDK under /usr/lib/google-cloud-sdk, by library",
    "ctags": ("PHP", "citfn"),
    "also": also,
    "reference_name": "ctags PHP: classes, interfaces, traits, functions, methods, namespaces",
}
