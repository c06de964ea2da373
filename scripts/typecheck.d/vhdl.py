# VHDL: the libraries GHDL ships (Debian's ghdl-common): ieee2008 tunes; ieee, std, synopsys and the
# others are held out. Counted: entities, architectures, packages, functions, procedures, types,
# subtypes and components, as ctags sees them.
ROW = {
    "type": "VHDL",
    "debian": ["ghdl-common"],
    "files": [CORPUS + "/deb/ghdl-common/**/*.vhdl", CORPUS + "/deb/ghdl-common/**/*.vhd"],
    "project": r"/ghdl/src/(\w+)",
    "held_out": r"^(?!ieee2008$)",
    "files_name": "GHDL's libraries (ghdl-common)",
    "ctags": ("VHDL", "eaPfpdtTC"),
    "reference_name": "ctags VHDL: entities, architectures, packages, subprograms (declared too), types, components",
}
