# The terminal tests' driver, sourced by each test: runs `stringslist` in a
# tmux pane of a fixed size on a socket of its own, types with send-keys and
# reads the screen with capture-pane, polling until the expected text shows.
#
# A test script is called as: SCRIPT STRINGSLIST PLUGIN PROBE_PLUGIN
# Its store lives in a fresh XDG_CONFIG_HOME, removed at the end.
set -u

STRINGSLIST=$1
PLUGIN=$2
PROBE=$3
WORK=$(mktemp -d "${TMPDIR:-/tmp}/stringslist-terminal.XXXXXX")
SESSIONS=0
SOCKET="stringslist-test-$$-0"
export XDG_CONFIG_HOME="$WORK/config"
# A store whose offer of the shipped types was declined, so that edit opens
# straight on the file: each test starts with it (tui_first_run.sh removes it).
declined_store() {
    mkdir -p "$XDG_CONFIG_HOME/stringslist"
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\stringslist\\RegExp\\FileTypes]\n' \
        >"$XDG_CONFIG_HOME/stringslist/registry.reg"
}
declined_store
export LC_ALL=C.UTF-8
unset TMUX
TIMEOUT=${TERMINAL_TEST_TIMEOUT:-30}

t() { tmux -L "$SOCKET" -f /dev/null "$@"; }

finish() {
    t kill-server 2>/dev/null
    rm -rf "$WORK"
}
trap finish EXIT

# The screen as a user sees it; with -e, colours as escape sequences.
screen() { t capture-pane -p -t test "$@"; }

fail() {
    echo "FAIL: $*" >&2
    echo "---- screen ----" >&2
    screen >&2
    echo "----------------" >&2
    exit 1
}

# start COLUMNS ROWS COMMAND...: runs the command in a new pane; when it ends,
# the pane shows "[exit STATUS]".
start() {
    cols=$1 rows=$2
    shift 2
    # A server told to go may still take connections for a moment: each run
    # gets a socket of its own rather than racing the last one's end.
    t kill-server 2>/dev/null
    SESSIONS=$((SESSIONS + 1))
    SOCKET="stringslist-test-$$-$SESSIONS"
    {
        printf 'cd %q || exit\nexport TERM=screen\n' "$WORK"
        printf '%q ' "$@"
        printf '\necho "[exit $?]"\nsleep 600\n'
    } >"$WORK/run.sh"
    t new-session -d -x "$cols" -y "$rows" -s test "bash '$WORK/run.sh'"
    t set-option -t test status off >/dev/null
}

keys() { t send-keys -t test "$@"; }
type_text() { t send-keys -t test -l "$1"; }

# Polls until the screen holds (or, with wait_gone, no longer holds) a text.
wait_for() {
    deadline=$(($(date +%s) + TIMEOUT))
    until screen | grep -qF -- "$1"; do
        [ "$(date +%s)" -ge "$deadline" ] && fail "waited for: $1"
        sleep 0.1
    done
}

wait_gone() {
    deadline=$(($(date +%s) + TIMEOUT))
    while screen | grep -qF -- "$1"; do
        [ "$(date +%s)" -ge "$deadline" ] && fail "waited for this to go: $1"
        sleep 0.1
    done
}

# Keys, then the text they should bring.
press() {
    expected=$1
    shift
    keys "$@"
    wait_for "$expected"
}

expect() { screen | grep -qF -- "$1" || fail "expected: $1"; }
expect_not() { screen | grep -qF -- "$1" && fail "did not expect: $1"; return 0; }

# The screen line holding a text, with its colours as escape sequences.
colored_line() { screen -e | grep -F -- "$1" | head -1; }

# Whether a menu entry is the highlighted one: the selection's black background
# starts right before it.
highlighted() { screen -e | grep -qF -- $'\e[40m '"$1"; }

# Run the plug-in itself, or the probe plug-in that exercises each service.
edit() { start "${COLS:-80}" "${ROWS:-24}" "$STRINGSLIST" --plugin "$PLUGIN" "$@"; }
probe() { start "${COLS:-80}" "${ROWS:-24}" "$STRINGSLIST" --plugin "$PROBE" "$@"; }

quit() {
    keys F10
    wait_for "[exit 0]"
}
