#!/bin/bash
# stringslist list, byte for byte: how FILE becomes editor lines, the escaped
# TAB-separated porcelain lines, --cursor/--height/--choose, and the exit
# statuses of the host's own errors. Runs in a store of its own.
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
mkdir -p "$XDG_CONFIG_HOME/stringslist"
cd "$dir" || exit 1
failures=0
passed=0

store() {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\stringslist\\RegExp\\FileTypes\\T]\n'
    printf '"FileMask"="\\\\.t$"\n"RX"="%s"\n"Present"="%s"\n"Flags"=dword:%08x\n' "$1" "$2" "$3"
}
store '^fn .*' '\\0' 1 > "$XDG_CONFIG_HOME/stringslist/registry.reg"

# expect NAME EXPECTED-STATUS EXPECTED-OUTPUT-FILE -- ARGS...
expect() {
    local name=$1 status=$2 expected=$3
    shift 4
    "$program" list "$@" > out 2> err
    local got=$?
    if [ "$got" != "$status" ] || ! cmp -s out "$expected"; then
        echo "FAIL $name: status $got (wanted $status)"
        diff <(od -c "$expected") <(od -c out) | head -20
        cat err
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

# CRLF and LF, a lone CR, a TAB, a NUL, bytes above 0x7F, no final line end.
printf 'fn one\r\nx\nfn two\tTAB\nfn nul\0hidden\nfn cr\rmid\nfn \303\251\177\nlast\nfn end' > a.t
{
    printf 'menu\ta.t\tTotal 6 items\tProcListMenu\t6\t0\n'
    printf 'item\tfn one\nitem\tfn two\\tTAB\nitem\tfn nul\nitem\tfn cr\\x0dmid\n'
    printf 'item\tfn \\xc3\\xa9\\x7f\nitem\tfn end\n'
} > want
expect lines-and-escapes 0 want -- --porcelain a.t

# FILE is the last argument, whatever it looks like.
cp a.t ./-a.t
sed '1s/^menu\ta\.t/menu\t-a.t/' want > want-dash
expect file-like-an-option 0 want-dash -- --porcelain -a.t
cp a.t ./--cursor.t
sed '1s/^menu\ta\.t/menu\t--cursor.t/' want > want-option
expect file-named-like-an-option 0 want-option -- --porcelain --cursor.t

{
    printf 'menu\ta.t\tTotal 6 items\tProcListMenu\t6\t4\n'
    sed -n '2,7p' want
    printf 'position\t4\t0\t0\t0\t0\t-1\n'
} > want2
expect cursor-and-choice 0 want2 -- --porcelain --cursor 5 --height 10 --choose 3 a.t

{
    printf 'menu\ta.t\tTotal 6 items\tProcListMenu\t6\t5\n'
    sed -n '2,7p' want
    printf 'position\t7\t0\t0\t3\t0\t-1\n'
} > want3
expect cursor-past-the-end 0 want3 -- --cursor 999 --porcelain --height 8 --choose 5 a.t

{
    printf 'menu\ta.t\tTotal 6 items\tProcListMenu\t6\t0\n'
    sed -n '2,7p' want
} > want4
expect choice-outside-the-menu 0 want4 -- --porcelain --choose 6 a.t
expect negative-choice 0 want4 -- --porcelain --choose -1 a.t

: > empty.t
printf 'message\t0\tProcListMenu\tempty.t\tNo functions were found.\tOK\n' > want5
expect empty-file 0 want5 -- --porcelain empty.t

printf 'fn x\n' > 'odd	name.txt'
printf 'message\t0\tProcListMenu\todd\\tname.txt\tNo functions were found.\tOK\n' > want6
expect no-type-and-an-escaped-title 0 want6 -- --porcelain 'odd	name.txt'

for i in $(seq 1100); do echo "fn $i"; done > many.t
{
    printf 'message\t0\tNo topic\tWarning\tCan be only 1024 items\tOK\n'
    printf 'menu\tmany.t\tTotal 1024 items\tProcListMenu\t1024\t0\n'
    for i in $(seq 1024); do printf 'item\tfn %d\n' "$i"; done
} > want7
expect item-cap 0 want7 -- --porcelain many.t

# The host's own errors: nothing on standard output, a reason on standard error.
: > nothing
expect missing-file 1 nothing -- --porcelain no-such-file.t
expect unknown-option 2 nothing -- --porcelain --bogus a.t
expect no-file 2 nothing -- --porcelain
expect bad-number 2 nothing -- --porcelain --cursor x a.t
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\n' > "$XDG_CONFIG_HOME/stringslist/registry.reg"
cp "$XDG_CONFIG_HOME/stringslist/registry.reg" broken-copy
expect unreadable-store 1 nothing -- --porcelain a.t
if ! cmp -s broken-copy "$XDG_CONFIG_HOME/stringslist/registry.reg" || ! [ -s err ]; then
    echo "FAIL unreadable-store: store changed or no reason given"
    failures=$((failures + 1))
fi

# Human output: the title, the marked item, the bottom line.
store '^fn .*' '\\0' 1 > "$XDG_CONFIG_HOME/stringslist/registry.reg"
"$program" list --cursor 2 a.t > human
if grep -q 'a.t' human && grep -q '^ > fn two' human && grep -q 'Total 6 items' human; then
    passed=$((passed + 1))
else
    echo "FAIL human output:"
    cat human
    failures=$((failures + 1))
fi

# --type and --rx: one type for the run, whatever the masks; the user's store
# is left byte for byte and no throwaway folder stays behind.
export TMPDIR=$dir/tmp
mkdir -p "$TMPDIR"
cp "$XDG_CONFIG_HOME/stringslist/registry.reg" store-before
printf 'fn b\nfn a\nx\n' > other.txt
printf 'menu\tother.txt\tTotal 2 items\tProcListMenu\t2\t0\nitem\tfn b\nitem\tfn a\n' > want8
expect type-whatever-the-mask 0 want8 -- --porcelain --type t other.txt
printf 'menu\tother.txt\tTotal 2 items\tProcListMenu\t2\t1\nitem\t<a>\nitem\t<b>\n' > want9
expect rx-present-flags 0 want9 -- --porcelain --rx '^fn (\w)' --present '<\1>' --flags 0x2 other.txt
expect unknown-type 1 nothing -- --porcelain --type nosuch other.txt
expect rx-that-does-not-compile 2 nothing -- --porcelain --rx 'a**' other.txt
expect present-without-rx 2 nothing -- --porcelain --present x other.txt
expect type-and-rx 2 nothing -- --porcelain --type t --rx x other.txt
# A type given here takes every name: no word on standard error about the
# store's types, even where the store has none.
XDG_CONFIG_HOME=$dir/empty "$program" list --porcelain --rx '^fn' other.txt > out 2> err
if [ -s err ]; then
    echo "FAIL rx-in-an-empty-store: $(cat err)"
    failures=$((failures + 1))
fi
if ! cmp -s store-before "$XDG_CONFIG_HOME/stringslist/registry.reg" || [ -n "$(ls -A "$TMPDIR")" ]; then
    echo "FAIL type-of-the-run: the store changed or a folder stayed in $TMPDIR"
    failures=$((failures + 1))
fi

echo "$passed passed, $failures failed"
[ "$failures" = 0 ]
