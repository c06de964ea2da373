# Clojure: Clojure itself and libraries Debian packs (their sources, inside the jars), halves by the
# package's checksum. Counted: namespaces and functions as ctags sees them.
ROW = {
    "type": "Clojure",
    "debian": ["libclojure-java", "libcore-async-clojure", "libdata-json-clojure", "libtools-reader-clojure",
               "libinstaparse-clojure", "libhiccup-clojure", "libcore-match-clojure", "libclj-time-clojure",
               "libhoneysql-clojure", "libcheshire-clojure"],
    "files": [CORPUS + "/deb/lib*clojure*/**/*.clj", CORPUS + "/deb/lib*clojure*/**/*.cljc",
              CORPUS + "/deb/lib*clojure*/**/*.cljs"],
    "files_name": "Clojure and 9 libraries (Debian)",
    "ctags": ("Clojure", "fn"),
    "reference_name": "ctags Clojure: namespaces, functions",
}
