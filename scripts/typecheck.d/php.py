# PHP: the PHP SDK that the cloud SDK bundles. Counted: classes, interfaces, traits, functions and
# methods, namespaces (ctags).
ROW = {
    "type": "PHP",
    "files": ["/usr/lib/google-cloud-sdk/platform/google_appengine/php/**/*.php"],
    "files_name": "PHP SDK under /usr/lib/google-cloud-sdk",
    "ctags": ("PHP", "citfn"),
    "reference_name": "ctags PHP: classes, interfaces, traits, functions, methods, namespaces",
}
