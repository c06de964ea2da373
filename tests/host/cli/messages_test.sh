#!/bin/bash
# What the program says when it is asked for help or used wrongly: a missing
# FILE, help and --version, types set without a name, info in words, and the
# line that says why list found no type for a file. Runs in a store of its own.
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
program=$1
version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
cd "$dir" || exit 1

# run EXPECTED-STATUS ARGS...: the program's output in out, errors in err.
run() { expect "$1" "$program" "${@:2}"; }

run 1 nosuch.c
contains err "nosuch.c: no such file, nor a command"
run 2 nosuch.c more
contains err "unknown command nosuch.c"

run 0 help
contains out "types list|export|import|set|delete"
run 0 --version
[ "$(cat out)" = "stringslist $version" ] || fail "--version says: $(cat out)"

run 2 types set
contains err "types set needs a NAME"
contains err "usage: stringslist types set [--root KEY] NAME"
run 2 types import
contains err "types import needs FILE... or --shipped"

run 0 info
contains out 'in the host'"'"'s plug-in menu: "Strings list"'
contains out "flags 14: the host's bits 2, 4 and 8"

# No type for the file: the plug-in's own message on standard output, the
# reason on standard error; first with an empty store, then with one type.
printf 'int main(void)\n{\n}\n' > a.c
run 0 list --porcelain a.c
contains out "No functions were found."
contains err "there are no file types in $XDG_CONFIG_HOME/stringslist/registry.reg"
contains err "stringslist types import --shipped"
run 0 list --root 'HKEY_CURRENT_USER\Software\Host\Plugins' a.c
contains err 'under HKEY_CURRENT_USER\Software\Host\Plugins. Import the shipped ones with: stringslist types import --root "Software\Host\Plugins" --shipped'

run 0 types set Python --mask '\.py$' --rx '^def (\w+)'
run 0 list a.c
contains err "no file type's mask is found in a.c; $XDG_CONFIG_HOME/stringslist/registry.reg holds 1 file type"
cp a.c a.py
run 0 list a.py
[ -s err ] && fail "a file with a type got a reason: $(cat err)"

# A mask stored as an expandable text is found as the plug-in finds it: the
# list, and no reason on standard error.
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\stringslist\\RegExp\\FileTypes\\C]\n'
    printf '"FileMask"=hex(2):5c,2e,63,24,00\n"RX"="^int"\n'
} > "$XDG_CONFIG_HOME/stringslist/registry.reg"
run 0 list a.c
contains out "int main(void)"
[ -s err ] && fail "a mask stored as an expandable text got a reason: $(cat err)"

finish "all message checks passed"
