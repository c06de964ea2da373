# The host services as a plug-in sees them, driven through the probe plug-in:
# menus with break keys, filtering and preselection; a dialog's fields, check
# boxes, buttons and histories; a message box's buttons; colours that the
# next key clears.
. "$(dirname "$0")/tmux_driver.sh"

printf '#include <stdio.h>\nint x;\nint main(void)\n{\n\treturn 0;\n}\n' >"$WORK/main.c"
probe main.c
wait_for "Ln 1/6"

# The plug-in menu lists what the plug-in declares.
press "Plug-in commands" F2
expect "Probe dialog"
expect "Probe colour"

# A menu opens on its preselected entry; Enter is a break key here.
press "Del Ins F4 Enter" Enter
highlighted Gamma || fail "Gamma is not highlighted"
highlighted Beta && fail "Beta is highlighted"
press "menu index=3 break=3" Enter
press "Ln 1/6" Enter

# Typing filters; the answer is the index in the plug-in's array.
keys F2 Enter
wait_for "Del Ins F4 Enter"
type_text "TA"
wait_for "Filter: TA"
expect "Beta"
expect "delta"
expect_not "Gamma"
expect_not "Alpha"
press "menu index=4 break=0" Down DC
keys Enter

# Backspace widens the filter again; nothing matching means nothing to choose.
keys F2 Enter
wait_for "Del Ins F4 Enter"
type_text "zz"
wait_for "(nothing matches)"
keys Enter
sleep 0.3
expect "(nothing matches)"
keys BSpace BSpace
wait_for "Epsilon"
press "menu index=29 break=2" End F4
keys Enter

# Esc cancels and says no break key.
keys F2 Enter
wait_for "Del Ins F4 Enter"
press "menu index=-1 break=-1" Escape
keys Enter
wait_gone "Probe result"

# A menu without break keys answers Enter as a choice, and leaves the code alone.
press "Plug-in configuration" F9
press "Del Ins F4 Enter" Enter
press "menu index=4 break=-2" Down Enter
keys Enter
wait_gone "Probe result"

# The dialog: texts typed, boxes toggled, the default button by Enter.
keys F2 Down Enter
wait_for "Probe dialog"
expect "first"
expect "[ ] one"
expect "[x] two"
expect "{ Save }"
type_text "X"
keys Tab
type_text "m*"
keys Tab Space Tab Space
wait_for "[x] one"
wait_for "[ ] two"
press "dialog exit=9" Enter
expect "name=[firstX]"
expect "mask=[m*]"
expect "checks=1,0"
keys Enter
wait_gone "Probe result"

# History recall: Up brings the text saved last; Esc writes nothing back.
keys F2 Down Enter
wait_for "Probe dialog"
press "firstX" Up
press "dialog exit=-1" Escape
expect "name=[first]"
expect "checks=0,1"
keys Enter
wait_gone "Probe result"

# Alt and the marked letter toggles a box; Shift+Tab goes round to the last
# button, which closes the dialog as the focused one.
keys F2 Down Enter
wait_for "Probe dialog"
keys M-t
wait_for "[ ] two"
keys BTab BTab BTab BTab
press "dialog exit=10" Enter
expect "checks=0,0"
keys Enter
wait_gone "Probe result"

# A warning message box: buttons by arrows, by letter; Esc answers negative.
keys F2 Down Down Enter
wait_for "Keep the change?"
expect "Second line"
expect "[ Yes ] [ No ] [ Cancel ]"
press "message answer=1" Right Enter
keys Enter
wait_gone "Probe result"
keys F2 Down Down Enter
wait_for "Keep the change?"
press "message answer=2" c
keys Enter
wait_gone "Probe result"
keys F2 Down Down Enter
wait_for "Keep the change?"
press "message answer=-1" Escape
keys Enter
wait_gone "Probe result"

# A colour the plug-in adds shows until the next key, which it clears on.
keys F2 Down Down Down Enter
wait_for "Ln 3/6"
colored_line "stdio.h" | grep -q $'\e\[[0-9;]*4[1-7]m' || fail "no colour on line 1"
press "Ln 3/6  Col 3" Right
colored_line "stdio.h" | grep -q $'\e\[[0-9;]*4[1-7]m' && fail "the colour stayed"

quit
