"""Rules and macros: def, rule(), provider().

def not_a_function(): inside a docstring
"""

LedgerInfo = provider(
    doc = "What a ledger target gives its dependents.",
    fields = ["entries"],
)

def _ledger_impl(ctx):
    out = ctx.actions.declare_file(ctx.label.name + ".txt")
    return [LedgerInfo(entries = [out])]

ledger_rule = rule(
    implementation = _ledger_impl,
    attrs = {"srcs": attr.label_list()},
)

def ledger_binary(
        name,
        srcs,
        **kwargs):
    ledger_rule(name = name + "_data", srcs = srcs)
