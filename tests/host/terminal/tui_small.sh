# The smallest supported terminal, 40 by 12, and resizing with boxes open:
# menus scroll, dialogs shrink and scroll, nothing lands outside the screen.
. "$(dirname "$0")/tmux_driver.sh"

printf 'int x;\n' >"$WORK/small.c"

# Every frame drawn whole: as many top corners as bottom corners, each row within the width.
frames_whole() {
    s=$(screen)
    [ "$(printf '%s\n' "$s" | grep -c '╔')" = "$(printf '%s\n' "$s" | grep -c '╚')" ] || fail "a frame is cut"
    [ "$(printf '%s\n' "$s" | wc -L)" -le "$1" ] || fail "a row is wider than $1"
}

COLS=40 ROWS=12 probe small.c
wait_for "Ln 1/1"

# A menu longer than the screen scrolls, its frame whole.
keys F2 Enter
wait_for "Probe menu"
expect "Gamma"
frames_whole 40
press "Item 29, whose text" End
expect_not "Alpha"
expect_not "terminal is wide"
frames_whole 40
press "terminal is wide" Right Right Right Right
expect_not "Item 29, whose"
frames_whole 40
press "menu index=29 break=3" Enter
keys Enter
wait_gone "Probe result"

# A dialog of 70 columns shrinks to 40; its items stay reachable.
keys F2 Down Enter
wait_for "Probe dialog"
expect "[ ] one"
expect "{ Save }"
frames_whole 40
type_text " and a text much longer than the field is wide"
wait_for "is wide"
keys Tab Tab Space
wait_for "[x] one"
press "dialog exit=9" Enter
expect "name=[first and a text much"
expect "longer than the field is wide]"
keys Enter
wait_gone "Probe result"

# A box open while the terminal shrinks and grows is redrawn to fit.
t resize-window -t test -x 80 -y 24
wait_for "10Quit"
keys F2 Enter
wait_for "Item 18"
t resize-window -t test -x 40 -y 12
wait_gone "Item 18"
expect "Probe menu"
frames_whole 40
t resize-window -t test -x 80 -y 24
wait_for "Item 18"
press "menu index=-1" Escape
keys Enter
wait_gone "Probe result"

quit
