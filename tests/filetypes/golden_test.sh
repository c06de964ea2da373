#!/bin/bash
# Golden tests of the shipped file types: every sample in samples/ is listed
# with `stringslist list --porcelain NAME`, run inside samples/ with every
# type of filetypes/ imported into an empty store of its own, and the output
# must equal golden/NAME.out byte for byte. The same sample under the names a
# host gives, a Linux path and a Windows one (drive letter, backslashes, a
# folder with a space), must list the same (the menu's title is the name given).
#
#   golden_test.sh PROGRAM                 check every sample
#   golden_test.sh PROGRAM --regenerate    rewrite the goldens (check each by eye before committing)
set -u
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
mode=${2:-check}
here=$(cd "$(dirname "$0")" && pwd)
types=$(cd "$here/../../filetypes" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config

for reg in "$types"/*.reg; do
    "$program" types import "$reg" > /dev/null || { echo "FAIL: cannot import $reg"; exit 1; }
done

# The Windows name is one file name on Linux, backslashes and colon included.
linux_dir=$dir/home/me/src/proj
windows_dir='C:\Users\me\My Projects\proj\'
mkdir -p "$linux_dir" "$dir/windows"

# The list of $1 shown as the sample $2's: the menu titled by the sample's name.
list_as() {
    "$program" list --porcelain "$1" 2>&1 |
        awk -F'\t' -v OFS='\t' -v name="$2" '$1 == "menu" { $2 = name } { print }'
}

failures=0
samples=0
passed=0
cd "$here/samples" || exit 1
for sample in * .[!.]*; do
    [ -f "$sample" ] || continue
    samples=$((samples + 1))
    golden=$here/golden/$sample.out
    if ! "$program" list --porcelain "$sample" > "$dir/out" 2> "$dir/err"; then
        echo "FAIL: list $sample: $(cat "$dir/err")"
        failures=$((failures + 1))
    elif [ "$mode" = --regenerate ]; then
        cmp -s "$dir/out" "$golden" || { cp "$dir/out" "$golden"; echo "rewrote golden/$sample.out"; }
    elif [ ! -f "$golden" ]; then
        echo "FAIL: $sample has no golden/$sample.out (run with --regenerate, then check it)"
        failures=$((failures + 1))
    elif ! diff -u "$golden" "$dir/out" > "$dir/diff"; then
        echo "FAIL: $sample lists otherwise than golden/$sample.out:"
        cat "$dir/diff"
        failures=$((failures + 1))
    else
        cp "$sample" "$linux_dir/$sample"
        cp "$sample" "$dir/windows/$windows_dir$sample"
        list_as "$linux_dir/$sample" "$sample" > "$dir/linux.out"
        (cd "$dir/windows" && list_as "$windows_dir$sample" "$sample") > "$dir/windows.out"
        if ! diff -u "$golden" "$dir/linux.out" > "$dir/diff" || ! diff -u "$golden" "$dir/windows.out" >> "$dir/diff"; then
            echo "FAIL: $sample lists otherwise under $linux_dir or $windows_dir:"
            cat "$dir/diff"
            failures=$((failures + 1))
        else
            passed=$((passed + 1))
        fi
    fi
done
for golden in "$here"/golden/*.out "$here"/golden/.[!.]*.out; do
    [ -f "$golden" ] || continue
    name=$(basename "$golden" .out)
    [ -f "$here/samples/$name" ] || { echo "FAIL: golden/$name.out has no sample"; failures=$((failures + 1)); }
done
[ "$samples" -gt 0 ] || { echo "FAIL: no samples"; failures=$((failures + 1)); }
echo "$passed passed, $failures failed"
[ "$failures" = 0 ]
