# Sourced by the shell tests: count failures, check a command's status and
# output, and end with the verdict as the exit status.
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS COMMAND...: output in out, errors in err.
expect() {
    local status=$1
    shift
    "$@" > out 2> err
    local got=$?
    [ "$got" = "$status" ] || { fail "$* answered $got, wanted $status"; cat out err; }
}

# contains FILE TEXT
contains() {
    grep -qF -- "$2" "$1" || { fail "$1 lacks: $2"; cat "$1"; }
}

# finish MESSAGE: the message when every check passed; the exit status says which.
finish() {
    [ "$failures" = 0 ] && echo "$1"
    exit $((failures > 0))
}
