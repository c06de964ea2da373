# The plug-in itself in the terminal: the strings list from F2, the
# configuration from F9, the search from F3, and Esc leaving things as they were.
. "$(dirname "$0")/tmux_driver.sh"

"$STRINGSLIST" --plugin "$PLUGIN" types import "$(dirname "$0")/../../../filetypes/c.reg" >/dev/null ||
    fail "cannot import the C file type"
STORE="$XDG_CONFIG_HOME/stringslist/registry.reg"
cat >"$WORK/prog.c" <<'C'
#include <stdio.h>

#define SQUARE(x) ((x) * (x))

struct point {
	int x, y;
};

static int add(int a, int b)
{
	return a + b;
}

static int subtract(int a, int b)
{
	return a - b;
}

int main(void)
{
	printf("%d\n", add(1, 2));
	return subtract(3, 1);
}
C
echo "/* nothing to list */" >"$WORK/notes.c"

edit prog.c
wait_for "Ln 1/23"

# The strings list opens on the function the cursor is in.
keys C-g
wait_for "Go to line"
type_text "17"
press "Ln 17/23" Enter
press "Plug-in commands" F2
press "Total 5 items" Enter
expect "#define SQUARE"
expect "struct point"
expect "main"
highlighted subtract || fail "the menu does not open on subtract"
highlighted add && fail "add is highlighted"

# Esc leaves the cursor where it was.
keys Escape
wait_gone "Total 5 items"
expect "Ln 17/23  Col 1"

# Typing filters; Enter moves the cursor to the chosen line.
keys F2 Enter
wait_for "Total 5 items"
type_text "ma"
wait_for "Filter: ma"
expect_not "║ subtract"
expect "║ main"
keys Enter
wait_for "Ln 19/23  Col 1"
expect "int main(void)"

# Preselection follows the cursor: now main.
keys F2 Enter
wait_for "Total 5 items"
highlighted main || fail "the menu does not open on main"
keys Up Up
press "Ln 9/23  Col 1" Enter

# F3: the word under the cursor is offered; a match is coloured until the next key.
press "RegExp search" F3
expect "[x] Re"
keys M-v
wait_for "[ ] Reverse search"
keys M-s C-y
type_text "subtract"
keys Enter
wait_for "Ln 14/23  Col 12"
screen -e | grep -q $'\e\[4[0-7]msubtract\e' || fail "the match is not highlighted"
press "Ln 14/23  Col 13" Right
screen -e | grep -q $'\e\[4[0-7]msubtract' && fail "the highlight stayed"

# Esc in the search dialog changes nothing.
press "RegExp search" F3
keys Escape
wait_gone "RegExp search"
expect "Ln 14/23  Col 13"

# Text that is not there: the failure message, in a warning box.
press "RegExp search" F3
keys C-y
type_text "nosuchword"
keys Enter
wait_for "Could not find the string"
expect '"nosuchword"'
keys Enter
wait_gone "Could not find the string"

# A block selected with Shift bounds the search: subtract lies outside it, add inside.
keys C-g
wait_for "Go to line"
type_text "9"
press "Ln 9/23  Col 1" Enter
press "Ln 13/23  Col 1" S-Down S-Down S-Down S-Down
screen -e | grep -q $'\e\[46mstatic int add' || fail "the block is not shown"
press "RegExp search" F3
keys M-s C-y
type_text "subtract"
keys Enter
wait_for "Could not find the string"
keys Enter
wait_gone "Could not find the string"
press "RegExp search" F3
keys M-s C-y
type_text "add"
keys Enter
wait_for "Ln 9/23  Col 12"
press "Ln 9/23  Col 13" Right
screen -e | grep -q $'\e\[46mstatic int add' && fail "the block stayed after a cursor key"

# F9: copy the C type with Ins, rename it, change its mask, save: the new type is listed.
cp "$STORE" "$WORK/store.before"
press "Plug-in configuration" F9
press "ProcList config" Enter
expect "Default settings"
keys Down
wait_for "Edit: Del, Ins, F4"
highlighted C || fail "C is not selected"
keys IC
wait_for "ProcList search"
expect '\.c$'
type_text "Header"
keys Tab C-y
type_text '\.h$'
keys Enter
wait_gone "ProcList search"
wait_for "║ Header"
expect "ProcList config"
keys Escape
wait_gone "ProcList config"
"$STRINGSLIST" types list >"$WORK/types.txt" || fail "types list failed"
grep -q '^Header' "$WORK/types.txt" || fail "no Header type: $(cat "$WORK/types.txt")"
grep -qF '\.h$' "$WORK/types.txt" || fail "the new mask is not stored"

# Esc in the dialog and in the menu writes nothing.
cp "$STORE" "$WORK/store.before"
keys F9 Enter
wait_for "ProcList config"
keys Down Down Enter
wait_for "ProcList search"
type_text "changed"
keys Tab Space
keys Escape
wait_gone "ProcList search"
keys Escape
wait_gone "ProcList config"
cmp -s "$STORE" "$WORK/store.before" || fail "Esc changed the store"
quit

# A file of no match: the plug-in says so.
edit notes.c
wait_for "Ln 1/1"
keys F2 Enter
wait_for "No functions were found."
expect "notes.c"
keys Enter
wait_gone "No functions were found."
quit
