# The first run on a store without file types: edit offers the shipped ones
# before the screen opens. Yes imports them (F2 then lists); no keeps the
# store empty and is never asked again; a table emptied by hand is left so.
. "$(dirname "$0")/tmux_driver.sh"

STORE="$XDG_CONFIG_HOME/stringslist/registry.reg"
rm -f "$STORE"
printf 'int main(void)\n{\n\treturn 0;\n}\n' >"$WORK/a.c"
offer="Import the file types shipped with stringslist"

# No: nothing imported, the question not asked again.
edit a.c
wait_for "$offer"
press "Ln 1/4" n Enter
keys F2 Enter
wait_for "No functions were found."
keys Enter
quit
"$STRINGSLIST" types list | grep -q "^No file types" || fail "no imported types"
edit a.c
wait_for "Ln 1/4"
expect_not "$offer"
quit

# Yes (Enter alone): the shipped types, and F2 lists with them.
rm -f "$STORE"
edit a.c
wait_for "$offer"
press "Ln 1/4" Enter
press "Total 1 items" F2 Enter
expect "main"
keys Escape
quit
"$STRINGSLIST" types list | grep -q "^C$" || fail "the shipped C type is not in the store"

# Every type deleted by hand: the empty table is the user's, never refilled unasked.
"$STRINGSLIST" types export | sed -n 's/^\[.*\\FileTypes\\\(.*\)\]\r$/\1/p' | while read -r name; do
    "$STRINGSLIST" types delete "$name" >/dev/null || fail "cannot delete $name"
done
"$STRINGSLIST" types list | grep -q "^No file types" || fail "types are left"
edit a.c
wait_for "Ln 1/4"
expect_not "$offer"
quit
