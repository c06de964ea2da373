#!/bin/bash
# Every command under faults of its output and input: a full disk behind
# standard output (/dev/full), a folder or a failing device where a file is
# expected, a FIFO, an endless line (/dev/zero), no memory left. Each case must
# end with the wanted status and a message naming the cause, and leave the
# store byte for byte.
# usage: output_faults_test.sh STRINGSLIST [SANITIZED]
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
program=$1
sanitized=${2:-0}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
store=$XDG_CONFIG_HOME/stringslist/registry.reg
cd "$dir" || exit 1

"$program" types set C --mask '\.c$' --rx '^(\w+)\(' > /dev/null || fail "the first set failed"
printf 'int main(void)\n{\n}\n' > a.c
mkdir folder
mkfifo fifo
cp "$store" store-before

# case_ STATUS TEXT COMMAND: the command line answers STATUS and says TEXT (- for anything) on standard error.
case_() {
    local status=$1 text=$2 command=$3
    bash -c "$command" > /dev/null 2> err
    local got=$?
    [ "$got" = "$status" ] || { fail "$command: status $got, wanted $status"; cat err; }
    [ "$text" = - ] || grep -qF -- "$text" err || { fail "$command: the message lacks: $text"; cat err; }
    cmp -s "$store" store-before || { fail "$command: the store changed"; cp "$store" store-before; }
}

p="'$program'"
full="cannot write to standard output: No space left on device"
while IFS='|' read -r status text command; do
    [ -n "$command" ] && case_ "$status" "${text:-$full}" "$command"
done <<EOF
1||$p types export > /dev/full
1||$p types list > /dev/full
1||$p info > /dev/full
1||$p list a.c > /dev/full
1||$p list --porcelain a.c > /dev/full
1||$p match main a.c > /dev/full
1||echo main | $p match --porcelain main > /dev/full
1||$p expand '(\w+)\(' '\1' a.c > /dev/full
1||$p help > /dev/full
1||$p --version > /dev/full
1||$p list --help > /dev/full
1|cannot write /dev/full: No space left on device|$p types export /dev/full
1|cannot write folder: it is a directory|$p types export folder
1|cannot read folder: Is a directory|$p types import folder
1|cannot read folder: Is a directory|$p types export good.reg && $p types import good.reg folder
1|cannot read folder: Is a directory|$p list folder
2|cannot read folder: Is a directory|$p match main folder
2|cannot read standard input: Is a directory|$p match main < folder
2|cannot read folder: Is a directory|$p expand main x folder
2|cannot read standard input: Is a directory|$p expand --porcelain main x < folder
1|cannot read /proc/self/mem: Input/output error|$p types import /proc/self/mem
1|cannot read /proc/self/mem: Input/output error|$p list /proc/self/mem
0|-|(cat a.c > fifo &) ; $p list fifo
1|standard input has a line longer than 67108864 bytes|$p match main < /dev/zero
1|standard input has a line longer than 67108864 bytes|$p match --porcelain main < /dev/zero
1|/dev/zero has a line longer than 67108864 bytes|$p match main a.c /dev/zero
1|standard input has a line longer than 67108864 bytes|$p expand main x < /dev/zero
1|standard input has a line longer than 67108864 bytes|$p expand --porcelain main x < /dev/zero
0|-|(cat a.c > fifo &) ; $p match main fifo
EOF

# No memory for a large import: a message, never an abort, and the store as it was.
if [ "$sanitized" = 0 ]; then
    {
        printf 'REGEDIT4\n\n'
        for i in $(seq 8000); do
            printf '[HKEY_CURRENT_USER\\Software\\X\\RegExp\\FileTypes\\T%d]\n"RX"="^fn (\\\\w+) %0200d"\n\n' "$i" 0
        done
    } > many.reg
    case_ 1 "out of memory" "ulimit -v 20000; $p types import many.reg"
fi

finish "all output fault cases passed"
