# A plug-in command that takes long: after half a second the status line says
# so, and Esc abandons it at once, the view as it was (the probe's slow command
# would read lines for two minutes, then show a menu and move the cursor).
. "$(dirname "$0")/tmux_driver.sh"

printf 'one\ntwo\nthree\n' >"$WORK/three.txt"

probe three.txt
wait_for "Ln 1/3"
keys F2 End
wait_for "Probe slow read"
keys Enter
wait_for "Working: line"
expect "Esc abandons"
press "Abandoned: the view is as it was" Escape
expect "Ln 1/3"
expect_not "Probe menu"

# The next command and the setup's boxes work as before.
keys F9 Enter
wait_for "Probe menu"
press "menu index=" Enter
keys Enter
wait_gone "Probe result"
expect "Ln 1/3"
quit
