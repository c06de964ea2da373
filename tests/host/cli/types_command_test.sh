#!/bin/bash
# stringslist types: set, list, export, delete, and import from REGEDIT4 and
# version 5.00 UTF-16 files exported under other roots, merging whole types;
# clear errors for bad .reg files, an unreadable store and an unwritable one,
# with the store left byte for byte as it was. Runs in a store of its own.
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
store=$XDG_CONFIG_HOME/stringslist/registry.reg
cd "$dir" || exit 1

# run EXPECTED-STATUS ARGS...: `types ARGS`' output in out, errors in err.
run() { expect "$1" "$program" types "${@:2}"; }

# The order in which the plug-in tries the types: names as `list` shows them.
type_names() {
    "$program" types list | sed -n 's/^\([^ ].*\)$/\1/p' | tail -n +2
}

# --- a new store is empty; set creates and changes, an empty text deletes
run 0 list
contains out "No file types"
[ ! -e "$store" ] || fail "listing created the store"

run 0 set C --mask '\.c$' --rx '^(\w+)\(' --present '\1' --flags 0x3
run 0 set Make --mask 'akefile$'
run 0 set c --present '' --flags 1
run 0 list
contains out 'FileMask  \.c$'
contains out 'Present   (none)'
contains out 'Flags     1 (select from cursor)'
contains "$store" '"RX"="^(\\w+)\\("'
[ "$(type_names | tr '\n' ' ')" = "C Make " ] || fail "names: $(type_names | tr '\n' ' ')"

run 2 set C --flags -1
run 2 set C --flags 4294967296
run 2 set C --colour red
run 1 set "$(printf 'x%.0s' {1..64})" --rx y
contains err "shorter than 64"
run 1 set 'a\b'
run 2 set C --present "$(printf 'y%.0s' {1..512})"    # the plug-in would read it as empty
contains err "at most 511 characters"
run 2 set C --rx "$(printf 'y%.0s' {1..4096})"    # a pattern may be longer, but not that long
contains err "at most 4095 characters"
contains "$store" '"RX"="^(\\w+)\\("'
# a pattern of 1,500 characters is stored, listed, exported and imported whole
long_rx=$(printf 'y%.0s' {1..1500})
run 0 set Long --rx "$long_rx"
run 0 export long.reg
run 0 delete Long
run 0 import long.reg
[ ! -s err ] || fail "the import of a long pattern warned: $(cat err)"
run 0 list
contains out "RX        $long_rx"
run 0 delete Long
run 1 delete Nothing
contains err "no file type named Nothing"

# --- export, delete, import back: the same types
run 0 export saved.reg
run 0 export
cmp -s out saved.reg || fail "export to standard output differs from export to a file"
[ "$(grep -c $'\r$' out)" = "$(wc -l < out)" ] || fail "the export is not CRLF throughout"
contains saved.reg '[HKEY_CURRENT_USER\Software\stringslist\RegExp\FileTypes\C]'
run 0 delete c
run 0 delete MAKE
run 0 list
contains out "No file types"
run 0 import saved.reg
run 0 export
cmp -s out saved.reg || fail "import of an export did not give the same store"

# --- import from another root, REGEDIT4: replaces C whole, adds Py, keeps Make
cat > other.reg <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Other Host\Plugins\RegExp]
"Unrelated"="x"

[HKEY_CURRENT_USER\Software\Other Host\Plugins\RegExp\FileTypes\C]
"FileMask"="\\.[ch]$"
"Flags"=dword:00000002

[HKEY_CURRENT_USER\Software\Other Host\Plugins\RegExp\FileTypes\Py]
"FileMask"="\\.py$"
"RX"=""
EOF
run 0 import other.reg
contains out "Imported 2 file types"
contains err "1 keys with values"
run 0 list
contains out 'FileMask  \.[ch]$'
contains out 'Flags     2 (sort items)'
grep -q 'RX        ^(\\w+)' out && fail "the imported C kept a value of the old one"
[ "$(type_names | tr '\n' ' ')" = "C Make Py " ] || fail "names after merge: $(type_names | tr '\n' ' ')"
grep -q '"RX"=""' "$store" && fail "an empty text was stored"

# --- --root: types of another root, apart from this program's; several files at once, or none
run 0 export
cp out own.reg
run 0 import --root 'HKEY_CURRENT_USER\Software\Host\Plugins' other.reg saved.reg
contains out "Imported 3 file types into $store under HKEY_CURRENT_USER\Software\Host\Plugins: Py, C, Make"
run 0 --root 'Software\Host\Plugins' export
contains out '[HKEY_CURRENT_USER\Software\Host\Plugins\RegExp\FileTypes\Py]'
grep -qF '\stringslist\' out && fail "an export under a root holds the program's own types"
run 0 export
cmp -s out own.reg || fail "an import under a root changed the program's own types"
run 1 import --root 'Software\Host\Other' other.reg missing.reg
run 0 list --root 'Software\Host\Other'
contains out "No file types"
run 2 list --root '\'

# --- version 5.00 in UTF-16 LE with a byte-order mark, CRLF line ends
{
    printf '\xff\xfe'
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\W\\RegExp\\FileTypes\\Caf\xc3\xa9]\r\n"Present"="\xc3\xa9t\xc3\xa9 %%LINE%%"\r\n"Flags"=dword:00000004\r\n' |
        iconv -f UTF-8 -t UTF-16LE
} > wide.reg
run 0 import wide.reg
run 0 list
contains out "Café"
contains out 'Present   été %LINE%'

# --- values of other registry types are shown as the plug-in reads them
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\X\\RegExp\\FileTypes\\Foreign]\n'
    printf '"FileMask"=hex(2):5c,2e,66,00\n"Flags"=hex:03,00,00,00\n'
    printf '"Present"=hex:%s70\n' "$(printf '70,%.0s' {1..511})"    # 512 characters, no NUL
} > foreign.reg
run 0 import foreign.reg
contains err "Present of Foreign has 512 bytes"
run 0 list
contains out 'FileMask  \.f'
contains out 'Flags     3 (select from cursor, sort items)'
contains out 'Present   (read as empty by the plug-in'

# --- a mask or pattern that does not compile: refused with the place, stored with --force,
# marked by list, said by list on a file of that type
cp "$store" before
run 2 set Bad --mask '\.bad$' --rx '[abc'
contains err "--rx does not compile; the compiler stopped reading at its end"
contains err "  [abc"
cmp -s "$store" before || fail "a refused set changed the store"
run 0 set Bad --mask '\.bad$' --rx '[abc' --force
run 0 list
contains out 'RX        [abc   (does not compile'
echo x > f.bad
expect 0 "$program" list f.bad
contains err "the RX of the file type Bad does not compile"
run 0 export broken.reg
run 0 delete Bad
cp "$store" before
run 1 import broken.reg
contains err "broken.reg: RX of Bad does not compile"
cmp -s "$store" before || fail "a refused import changed the store"
run 0 import --force broken.reg
run 0 delete Bad

# --- the shipped types again: the missing ones added, the changed ones kept unless --replace
run 0 import --shipped
run 0 set C --flags 3
run 0 delete Makefile
run 0 import --shipped
contains out "Imported 1 file type from"
contains out ": Makefile"
contains out "Kept 1 that differ from the shipped ones, as changed by you: C"
c_flags() { "$program" types list | sed -n '/^C$/,/^$/s/^    Flags *//p'; }
[ "$(c_flags)" = "3 (select from cursor, sort items)" ] || fail "import --shipped replaced the changed C"
run 0 import --shipped --replace
[ "$(c_flags)" = "3 (select from cursor, sort items)" ] && fail "--replace kept the changed C"

# --- the optional values: set and listed as given, malformed words refused
# (status|option|value|what the error says)
while IFS='|' read -r status option value said; do
    run "$status" set Opt --rx x "$option" "$value"
    [ -z "$said" ] || contains err "$said"
done <<'EOF'
0|--line-comment|// #|
0|--block|/* */ ^=pod ^=cut|
0|--nested-block|(* *)|
0|--quote|"\ '' `|
0|--join|( , <|
2|--block|/* */ {|the opener "{" has no closer
2|--nested-block|(*|the opener "(*" has no closer
2|--quote|"\ '\\|"'\\" is more than a mark and its escape character
EOF
run 0 list
for line in 'LineComment // #' 'Block       /* */ ^=pod ^=cut' 'NestedBlock (* *)' "Quote       \"\\ '' \`" \
    'Join        ( , <'; do
    contains out "    $line"
done
run 0 set Opt --join ''
run 0 list
# Opt's own lines only: shipped types may have a Join of their own.
sed -n '/^Opt$/,/^$/p' out | grep -q '^    Join' && fail "an empty --join did not remove Join"
run 0 set Forced --rx x --block '{' --force
run 0 list
contains out 'Block       {   (the opener "{" has no closer: the plug-in leaves it out)'

# exported and imported again, the types are as they were; a malformed value is refused unless --force
run 0 export opt.reg
run 0 delete Opt
run 0 delete Forced
run 1 import opt.reg
contains err 'opt.reg: Block of Forced: the opener "{" has no closer'
run 0 import --force opt.reg
run 0 export again.reg
cmp -s opt.reg again.reg || fail "an export imported again differs"
run 0 delete Opt
run 0 delete Forced

# --- bad .reg files: file, line and what was expected; the store untouched
cp "$store" before
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\T\\RegExp\\FileTypes\\X]\n"RX"="\\.c"\n' > bad.reg
run 1 import bad.reg
contains err "bad.reg:4: expected \\\\ or"
printf 'REGEDIT4\n[HKEY_CURRENT_USER\\Software\\T]\n"RX"="x"\n' > none.reg
run 1 import none.reg
contains err "no file types"
run 1 import missing.reg
contains err "cannot read missing.reg"
cmp -s "$store" before || fail "a failed import changed the store"

# --- a store that cannot be written: the store stays as it was
mkdir "$store.tmp"
run 1 set C --rx new
contains err "cannot set the file type C"
contains err "left as it is"
run 1 import other.reg
cmp -s "$store" before || fail "a failed write changed the store"
rmdir "$store.tmp"

# --- a store that cannot be parsed: reported, never overwritten
head -c $(($(stat -c %s before) - 3)) before > "$store"
cp "$store" cut
run 1 list
contains err "registry.reg:"
contains err "cut short"
run 1 set C --rx new
run 1 import other.reg
cmp -s "$store" cut || fail "a store that cannot be parsed was overwritten"

finish "types command: all passed"
