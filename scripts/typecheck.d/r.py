# R: the R code Debian ships with R itself (demos) and with 15 CRAN packages (tests, demos, vignette
# code, app templates), halves by the package's checksum. Counted: function definitions
# (`name <- function(`, `name = function(`), as ctags sees them.

PACKAGES = ["r-base-core", "r-cran-testthat", "r-cran-ggplot2", "r-cran-mass", "r-cran-survival",
            "r-cran-lattice", "r-cran-shiny", "r-cran-knitr", "r-cran-data.table", "r-cran-dplyr",
            "r-cran-rlang", "r-cran-devtools", "r-cran-httr", "r-cran-matrix", "r-cran-zoo", "r-cran-stringr"]

def keep(tag, path, lines):
    # ctags names anonymous functions (anonFunc…) and files R6 classes among them.
    return tag.kind == "function" and not tag.name.startswith("anonFunc")


ROW = {
    "type": "R",
    "debian": PACKAGES,
    "files": [CORPUS + "/deb/%s/**/*.%s" % (p, e) for p in PACKAGES for e in ("R", "r")],
    "files_name": "R's demos and 15 CRAN packages' tests, demos and vignette code (r-base-core, r-cran-*)",
    "ctags": ("R", "f"),
    "keep": keep,
    "reference_name": "ctags R: functions",
}
