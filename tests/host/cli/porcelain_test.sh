#!/bin/sh
# The porcelain output of `stringslist match` and `stringslist expand`, byte for byte,
# and the main points of their friendly output.
# Usage: porcelain_test.sh PATH/TO/stringslist
program=${1:?usage: porcelain_test.sh STRINGSLIST}
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check NAME EXPECTED-STDOUT EXPECTED-STATUS INPUT ARGS...
check() {
    name=$1 expected=$2 status=$3 input=$4
    shift 4
    printf "$input" | "$program" "$@" >"$work/actual" 2>/dev/null
    actual_status=$?
    printf "$expected" >"$work/expected"
    if ! cmp -s "$work/actual" "$work/expected" || [ $actual_status != "$status" ]; then
        echo "FAIL $name: status $actual_status, output:"
        od -c "$work/actual" | head -5
        failures=$((failures + 1))
    fi
}

check groups '0:1-4 1:1-2 2:2-4 3:3-4\n0:0-1 1:0-1\nnomatch\nnomatch\n' 0 'xabc\nab\n\nzz' \
    match --porcelain '(a)(b(c))?'
check from '0:3-4\n' 0 'abcb\n' match --porcelain --from 2 b
check from-past-end '0:3-3\n' 0 'abc\n' match --porcelain --from 9 '$'
check mode-0 '0:1-4\n' 0 'xABC\n' match --porcelain --mode 0 abc
check mode-1 'nomatch\n' 0 'xABC\n' match --porcelain --mode 1 abc
check cr-kept '0:1-2\n' 0 'a\r\n' match --porcelain '.$'
check nul-kept '0:2-3\n' 0 'a\000b\n' match --porcelain b
check no-input '' 0 '' match --porcelain a
check error '' 2 'a\n' match --porcelain 'a**'
# The porcelain pattern is the last argument, whatever it looks like.
check dash-pattern '0:1-3\n' 0 'x-ay\n' match --porcelain -a
check dashes-pattern '0:1-3\nnomatch\n' 0 'x--y\nx-y\n' match --porcelain --
check option-pattern '0:1-7\n' 0 'x--mode\n' match --porcelain --mode 0 -- --mode
check expand-dashes 'status=0 len=1 hex=54\n' 0 'x--y\n' expand --porcelain -- T
check expand-separator 'status=0 len=2 hex=2d2d\n' 0 'x--y\n' expand --porcelain -- -- '\0'
check expand 'status=0 len=5 hex=576f726c64\nnomatch\n' 0 'hello World\n!\n' \
    expand --porcelain '(\w+) (\w+)' '\u\L\2'
check expand-lone-backslash 'status=-1 len=0 hex=\n' 0 'ab\n' expand --porcelain a 'x\'
check expand-cut-short 'status=0 len=0 hex=\n' 0 'ab\n' expand --porcelain a '\x4'
check expand-bytes 'status=0 len=3 hex=00ff0a\n' 0 'a\n' expand --porcelain a '\d000\xff\n'
check expand-error '' 2 'a\n' expand --porcelain '{}' x

# The friendly forms: grep-like lines, the groups below, -i, the place of a compile error.
check friendly-match '2:xABC\n    \\1 2-3 "B"\n' 0 'no\nxABC\n' match -i 'a(b)c'
check friendly-none '' 1 'no\n' match abc
check friendly-expand '1:<B>\n' 0 'xABC\n' expand '(\w)C' '<\1>'
printf 'a\n' | "$program" match 'ab**c' 2>&1 >/dev/null | grep -q 'stopped reading here' || {
    echo "FAIL friendly error"; failures=$((failures + 1)); }

printf 'a\n' | "$program" match --porcelain 'a**' 2>&1 >/dev/null | grep -qx error || {
    echo "FAIL error message"; failures=$((failures + 1)); }
[ $failures = 0 ] && echo "all porcelain cases pass"
exit $failures
