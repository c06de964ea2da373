# Clojure: Clojure itself and libraries Debian packs (their sources, inside the jars), halves by the
# package's checksum. Counted: namespaces and functions (defn) as ctags sees them, and the def forms
# ctags is blind to (def, defn-, defmacro, defmulti, defmethod, defprotocol, defrecord, deftype,
# defonce, …) at a line's start.
import re

TOP_DEF = re.compile(r"^\((def[^\s()]*)\s+(?:\^(?:\{[^}]*\}|\S+)\s+)*([^\s()\[\]{}^]+)")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = TOP_DEF.match(text)
        if m:
            yield number, m.group(2)


ROW = {
    "type": "Clojure",
    "debian": ["libclojure-java", "libcore-async-clojure", "libdata-json-clojure", "libtools-reader-clojure",
               "libinstaparse-clojure", "libhiccup-clojure", "libcore-match-clojure", "libclj-time-clojure",
               "libhoneysql-clojure", "libcheshire-clojure"],
    "files": [CORPUS + "/deb/lib*clojure*/**/*.clj", CORPUS + "/deb/lib*clojure*/**/*.cljc",
              CORPUS + "/deb/lib*clojure*/**/*.cljs"],
    "files_name": "Clojure and 9 libraries (Debian)",
    "ctags": ("Clojure", "fn"),
    "also": also,
    "reference_name": "ctags Clojure: namespaces, functions; def forms at a line's start",
}
