#!/bin/bash
# Every example of docs/patterns.md, run: the code blocks that begin with a
# header line "pattern ..." hold one example a line, columns two or more
# spaces apart.
#   pattern line match                 what `match` finds: the text, (none), (empty) or error
#   pattern template line text         the menu text that `list --rx --present` shows
#   pattern template flags line text   the same, with the type's flags
set -u
program=$1
doc=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config

# The text a pattern finds in a line, as the page writes it.
found() {
    local out start end
    out=$(printf '%s\n' "$2" | "$program" match --porcelain "$1" 2> /dev/null) || { echo error; return; }
    [ "$out" = nomatch ] && { echo '(none)'; return; }
    out=${out%% *} out=${out#0:} start=${out%-*} end=${out#*-}
    [ "$start" = "$end" ] && { echo '(empty)'; return; }
    printf '%s\n' "${2:start:end-start}"
}

# The first menu text of a one-line file, the type given on the command line.
shown() {
    printf '%s\n' "$4" > "$dir/file"
    "$program" list --porcelain --rx "$1" --present "$2" --flags "$3" "$dir/file" 2> /dev/null | sed -n 's/^item\t//p' | head -1
}

failures=0 examples=0 header=
while IFS= read -r row; do
    case $row in
        '```'*) header= ; continue ;;
        pattern*) [ -z "$header" ] && { header=$(echo "$row" | sed 's/  */ /g'); continue; } ;;
    esac
    [ -n "$header" ] || continue
    mapfile -t f < <(printf '%s\n' "$row" | sed 's/  \+/\n/g')
    set -- $header
    [ "${#f[@]}" = $# ] || { echo "FAIL: not $# columns: $row"; failures=$((failures + 1)); continue; }
    case $header in
        'pattern line match') want=${f[2]} got=$(found "${f[0]}" "${f[1]}") ;;
        'pattern template line text') want=${f[3]} got=$(shown "${f[0]}" "${f[1]}" 0 "${f[2]}") ;;
        'pattern template flags line text') want=${f[4]} got=$(shown "${f[0]}" "${f[1]}" "${f[2]}" "${f[3]}") ;;
        *) echo "FAIL: unknown example header: $header"; failures=$((failures + 1)); header=; continue ;;
    esac
    examples=$((examples + 1))
    [ "$got" = "$want" ] || { echo "FAIL: $row"; echo "    gives: $got"; failures=$((failures + 1)); }
done < <(sed -n '/^```$/,/^```$/p' "$doc")
echo "$examples examples, $failures wrong"
[ "$examples" -gt 50 ] && [ "$failures" = 0 ]
