# Input the terminal host must refuse clearly or show safely: no terminal, a
# missing file, a directory, a broken store (left untouched), a binary file,
# an empty file, a line of 100,000 bytes.
. "$(dirname "$0")/tmux_driver.sh"

cd "$WORK" || exit 1
printf 'int x;\n' >ok.c

# refuses EXPECTED-MESSAGE ARGS...: exits non-zero with that message, before any screen.
refuses() {
    message=$1
    shift
    "$STRINGSLIST" --plugin "$PLUGIN" "$@" </dev/null >out.txt 2>err.txt && fail "$* succeeded"
    grep -qF -- "$message" err.txt || fail "$*: expected '$message', got: $(cat err.txt)"
    [ -s out.txt ] && fail "$*: wrote to standard output: $(cat out.txt)"
    return 0
}

refuses "needs a terminal" edit ok.c
refuses "needs a terminal" ok.c
refuses "cannot read missing.c: No such file or directory" edit missing.c
refuses "is a directory" edit "$WORK"
refuses "missing.c: no such file, nor a command" missing.c
refuses "usage: stringslist edit FILE" edit ok.c extra
if [ "$(id -u)" != 0 ]; then
    printf 'secret\n' >locked.c && chmod 000 locked.c
    refuses "cannot read locked.c: Permission denied" edit locked.c
fi

# A terminal that cannot place the cursor is refused, not scrambled.
start 80 24 env TERM=dumb "$STRINGSLIST" --plugin "$PLUGIN" edit ok.c
wait_for "[exit 1]"
expect "the terminal type dumb cannot place the cursor"

# A store that cannot be parsed: said before the screen opens, and kept as it was.
mkdir -p "$XDG_CONFIG_HOME/stringslist"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\nbroken\n' >"$XDG_CONFIG_HOME/stringslist/registry.reg"
cp "$XDG_CONFIG_HOME/stringslist/registry.reg" store.before
edit ok.c
wait_for "[exit 1]"
expect "the registry store cannot be read"
expect "registry.reg:"
cmp -s store.before "$XDG_CONFIG_HOME/stringslist/registry.reg" || fail "the broken store changed"
declined_store

# A binary file is shown, its bytes escaped.
printf 'ab\000cd\001\nsecond\377\n' >binary.bin
edit binary.bin
wait_for "binary file"
expect "ab^@cd^A"
expect "second<ff>"
press "Ln 2/2" Down
quit

# An empty file has no lines, and keys do no harm.
: >empty.c
edit empty.c
wait_for "empty file"
expect "Ln 1/0"
keys Down End C-End PgDn Right
press "Ln 1/0  Col 1" Up
quit

# A line of 100,000 bytes scrolls to its end.
{ printf 'begin'; head -c 99992 /dev/zero | tr '\0' 'x'; printf 'end\n'; echo "short"; } >long.txt
edit long.txt
wait_for "Ln 1/2  Col 1"
press "Col 100001" End
expect "xxxend"
expect_not "begin"
press "Ln 2/2  Col 6" Down
press "begin" C-Home
quit
