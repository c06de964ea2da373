#!/bin/bash
# stringslist.exe under Wine, against Wine's real registry: the answers to
# usage mistakes, output that cannot be written, a folder where a file is
# expected, a --root that does not exist (nothing created), a pattern that
# does not compile, the CRLF export and no colour into a pipe. Each case
# leaves the types as they were. Works under a root of its own.
# usage: windows_program_test.sh STRINGSLIST.EXE WINEPREFIX
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
exe=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root="Software\\stringslist-program-test-$$"
missing="Software\\stringslist-missing-$$"
dir=$(mktemp -d)
trap 'wine reg delete "HKCU\\$root" /f >/dev/null 2>&1; rm -rf "$dir"' EXIT
cd "$dir" || exit 1

p="wine '$exe'"
r="--root '$root'"
eval "$p types set $r C --mask '\\.c\$' --rx '^(\\w+)\\('" > /dev/null || fail "the first set failed"
printf 'int main(void)\n{\n}\n' > a.c
mkdir folder
eval "$p types export $r" > before.reg

# case_ STATUS TEXT COMMAND: the command line answers STATUS and says TEXT on standard error.
case_() {
    local status=$1 text=$2 command=$3
    bash -c "$command" > /dev/null 2> err
    local got=$?
    [ "$got" = "$status" ] || { fail "$command: status $got, wanted $status"; cat err; }
    grep -qF -- "$text" err || { fail "$command: the message lacks: $text"; cat err; }
    eval "$p types export $r" > now.reg
    cmp -s now.reg before.reg || { fail "$command: the types changed"; cp now.reg before.reg; }
}

full="cannot write to standard output"
while IFS='|' read -r status text command; do
    [ -n "$command" ] && case_ "$status" "${text:-$full}" "$command"
done <<EOF
1||$p types export $r > /dev/full
1||$p types list $r > /dev/full
1||$p info > /dev/full
1||$p list $r a.c > /dev/full
1||$p match main a.c > /dev/full
1||$p expand main x a.c > /dev/full
1|cannot write folder|$p types export $r folder
1|cannot read folder: Is a directory|$p types import $r folder
1|cannot read folder: Is a directory|$p list $r folder
2|list has no option --bogus|$p list --bogus a.c
2|--cursor needs a value|$p list --cursor
2|--rx does not compile|$p types set $r Bad --rx '[a'
1|there is no key HKEY_CURRENT_USER\\$missing;|$p list --root '$missing' a.c
EOF
wine reg query "HKCU\\$missing" > /dev/null 2>&1 && fail "list created the keys of a root that does not exist"

eval "$p list --help" > out || fail "list --help failed"
grep -qF -- "--cursor N" out || fail "list --help lacks its options"
[ "$(grep -c $'\r$' before.reg)" = "$(wc -l < before.reg)" ] || fail "the export is not CRLF throughout"
eval "$p match main a.c" | grep -q $'\033' && fail "colour escapes went into a pipe"

# a pattern of 1,500 characters that matches only with its tail: kept whole in the
# registry and read whole by the DLL
cp a.c a.long
long_rx="{$(printf 'q%.0s' {1..1483})}|{^int\\s+(\\w+)}"
eval "$p types set $r Long --mask '\\.long\$' --rx '$long_rx'" > /dev/null || fail "a long pattern was refused"
eval "$p list $r a.long" > out
grep -q "int main(void)" out || fail "the long pattern listed nothing: $(cat out)"

finish "stringslist.exe answers as it should under Wine"
