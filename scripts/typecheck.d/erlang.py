# Erlang: the Erlang/OTP sources (Debian's erlang-src), split by OTP application: a to l tune,
# m to z are held out. Counted: every function clause, records, macros, types and the module, as
# ctags sees them.
ROW = {
    "type": "Erlang",
    "debian": ["erlang-src"],
    "files": [CORPUS + "/deb/erlang-src/**/*.erl", CORPUS + "/deb/erlang-src/**/*.hrl"],
    "project": r"/lib/(\w+)-\d",
    "held_out": r"^[m-z]",
    "files_name": "Erlang/OTP (erlang-src), by application",
    "ctags": ("Erlang", "dfmrt"),
    "reference_name": "ctags Erlang: function clauses, records, macros, types, modules",
}
