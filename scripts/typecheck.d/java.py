# Java: the JDK's own sources (Debian's openjdk-17-source, src.zip unpacked by
# scripts/fetch-corpus), split by module (java.base, java.desktop, jdk.compiler...).
# Counted: classes, interfaces, enums, annotation types and methods (constructors
# and interface methods too).

ROW = {
    "type": "Java",
    "debian": ["openjdk-17-source"],
    "files": [CORPUS + "/deb/openjdk-17-source/usr/lib/jvm/openjdk-17/lib/src.zip.d/**/*.java"],
    "project": r"/src\.zip\.d/([^/]+)/",
    "files_name": "the JDK 17 sources (openjdk-17-source), by module",
    "ctags": ("Java", "cigam"),
    "reference_name": "ctags Java: classes, interfaces, enums, annotation types, methods and constructors",
}
