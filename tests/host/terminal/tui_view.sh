# The editor view: status line, cursor keys, go-to-line, horizontal scroll,
# bytes that must not reach the terminal raw, help, a file never written.
. "$(dirname "$0")/tmux_driver.sh"

{
    echo "first line"
    printf 'controls \001\033[31mred\177 end\n'
    printf 'invalid \377\376 and caf\303\251\n'
    printf 'start%0300dEND\n' 0
    for i in $(seq 5 200); do echo "line $i"; done
} >"$WORK/view.txt"
cp "$WORK/view.txt" "$WORK/original.txt"

COLS=80 ROWS=24 edit view.txt
wait_for "Ln 1/200  Col 1"
expect "view.txt"
expect "1Help 2Plug-ins 3Search 9Setup 10Quit"

# Control bytes as ^X, invalid UTF-8 as <xx>; the escape never reaches the screen as colour.
expect "controls ^A^[[31mred^? end"
expect "invalid <ff><fe> and café"
colored_line "red" | grep -qF $'\e[31mred' && fail "the file's escape sequence reached the terminal"

press "Ln 2/200  Col 1" Down
press "Ln 2/200  Col 10" End Left Left Left Left Left Left Left Left Left Left Left Left Left Left
# Down keeps the screen column: inside <ff>, the cursor is on that byte.
press "Ln 3/200  Col 9" Down
press "Ln 24/200" PgDn
expect "line 43"
press "Ln 3/200" PgUp
press "Ln 200/200  Col 9" C-End
expect "line 200"
press "Ln 1/200  Col 1" C-Home

# A long line scrolls horizontally to its end and back.
press "Ln 4/200  Col 1" Down Down Down
press "Col 309" End
expect "0000END"
expect_not "first line"
press "Col 1" Home
wait_for "first line"

# Go to a line, and to a line and column; nonsense is said to be nonsense.
keys C-g
wait_for "Go to line"
type_text "150"
press "Ln 150/200  Col 1" Enter
keys C-g
wait_for "Go to line"
type_text "2,5"
press "Ln 2/200  Col 5" Enter
keys C-g
wait_for "Go to line"
type_text "abc"
press "Not a line number: abc" Enter
keys C-g
wait_for "Go to line"
press "abc" Up
press "2,5" Up
press "150" Up
keys Escape
wait_gone "Go to line"
expect "Ln 2/200  Col 5"

# Help, and keys that would edit: the view only views.
press "Ctrl+Home/End" F1
keys Escape
wait_gone "Ctrl+Home/End"
type_text "x"
wait_for "only viewed"
keys Enter BSpace DC
press "F10 quits" C-c

# Resized down to the smallest supported terminal: everything redrawn inside it.
t resize-window -t test -x 40 -y 12
wait_for "1Help 2Plug-ins 3Search 9Setup 10Quit"
expect "Ln 2/200  Col 5"
press "Keys" F1
expect "[ OK ]"
expect "Arrows, PgUp/PgDn  move"
[ "$(screen | wc -l)" -le 12 ] || fail "more rows than the terminal"
keys Escape
wait_gone "Arrows"
t resize-window -t test -x 80 -y 24
wait_for "line 23"

quit
cmp -s "$WORK/view.txt" "$WORK/original.txt" || fail "the file changed"
