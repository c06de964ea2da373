#!/bin/bash
# The masks of the shipped file types against real file names, Linux and
# Windows ones (mask_names.txt): each name is taken by the one type it names
# and by no other mask, whatever the order the types are tried in; a name
# marked "-" (folders, backups, look-alikes) by none. Every mask fits the
# plug-in's buffer.
#
#   mask_names_test.sh PROGRAM
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

grep -v '^#' "$here/mask_names.txt" | cut -f1 > "$dir/expected"
grep -v '^#' "$here/mask_names.txt" | cut -f2- > "$dir/names"
: > "$dir/taken"  # lines "LINE<TAB>TYPE", one per mask that takes a name
for reg in "$here"/../../filetypes/*.reg; do
    # A .reg value escapes only backslashes and quotes.
    type=$(tr -d '\r' < "$reg" | sed -n 's/^\[.*\\FileTypes\\\(.*\)\]$/\1/p')
    mask=$(tr -d '\r' < "$reg" | sed -n 's/^"FileMask"="\(.*\)"$/\1/p' | sed -e 's/\\\\/\x01/g' -e 's/\\"/"/g' -e 's/\x01/\\/g')
    [ -n "$type" ] && [ -n "$mask" ] || { echo "FAIL: no type name or mask in $reg"; exit 1; }
    # The plug-in reads a mask into 255 bytes, its NUL included: a longer one would be cut.
    [ "${#mask}" -le 254 ] || { echo "FAIL: the mask of $type is ${#mask} bytes long, over 254"; exit 1; }
    "$program" match --porcelain "$mask" < "$dir/names" > "$dir/out" || { echo "FAIL: the mask of $type: $mask"; exit 1; }
    grep -vn '^nomatch$' "$dir/out" | cut -d: -f1 | sed "s/\$/\t$type/" >> "$dir/taken"
done

failures=0
line=0
while IFS= read -r expected <&3 && IFS= read -r name <&4; do
    line=$((line + 1))
    got=$(awk -F'\t' -v n="$line" '$1 == n { print $2 }' "$dir/taken" | sort | paste -sd, -)
    [ -n "$got" ] || got=-
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $name is taken by $got, not $expected"
        failures=$((failures + 1))
    fi
done 3< "$dir/expected" 4< "$dir/names"
echo "$line names, $failures wrong"
[ "$line" -ge 200 ] && [ "$failures" = 0 ]
