# Verilog: the cell libraries Yosys ships for each FPGA family (Debian's yosys), a project a family,
# halves by the checksum. Counted: modules, functions, tasks, and SystemVerilog's classes, interfaces,
# packages and programs, as ctags sees them; ctags misses the modules whose name begins with `$`
# (Yosys's internal cells), which count too.
import re

DOLLAR_MODULE = re.compile(r"^\s*module\s+(\$[\w$]+)")


def also(path, lines):
    for number, text in enumerate(lines, 1):
        m = DOLLAR_MODULE.match(text)
        if m:
            yield number, m.group(1)


ROW = {
    "type": "Verilog",
    "debian": ["yosys"],
    "files": [CORPUS + "/deb/yosys/**/*.v", CORPUS + "/deb/yosys/**/*.sv", CORPUS + "/deb/yosys/**/*.vh"],
    "project": r"/share/yosys/(\w+)/",
    "files_name": "Yosys's cell libraries (yosys), by FPGA family",
    "ctags": ("SystemVerilog", "mftCIKP"),
    "also": also,
    "reference_name": "ctags SystemVerilog: modules, functions, tasks, classes, interfaces, packages; modules named $…",
}
