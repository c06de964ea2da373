#!/bin/bash
# The Windows bundle as a user gets it: the zip holds exactly the stripped DLL
# and stringslist.exe with their version resources, the shipped types and the
# CRLF README.txt, patterns.txt and LICENSE.txt. Unpacked, under Wine against its real registry, the program
# imports the shipped types under a root and lists a real C file byte for byte
# as the Linux program does; a .reg exported by the Linux program and imported
# with Wine's regedit reaches the DLL the same way.
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
dist=$1 version=$2 native=$3 source=$4 prefix=$5
dir=$(mktemp -d)
root="Software\\stringslist-test-$$"
trap 'wine reg delete "HKCU\\$root" /f >/dev/null 2>&1; wine reg delete "HKCU\\$root-regedit" /f >/dev/null 2>&1;
      rm -rf "$dir"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# --- what the zip holds
name=stringslist-$version-win32
zip=$dist/$name.zip
[ -f "$zip" ] || { echo "FAIL: no bundle $zip"; exit 1; }
expected=$( (printf '%s\n' "$name/" "$name/README.txt" "$name/patterns.txt" "$name/LICENSE.txt" "$name/filetypes/" \
    "$name/stringslist.dll" "$name/stringslist.exe"; cd "$source" && ls filetypes/*.reg | sed "s#^#$name/#") | sort)
got=$(cmake -E tar tf "$zip" | sort)
[ "$got" = "$expected" ] || { fail "the zip holds:"; diff <(echo "$expected") <(echo "$got"); }
cd "$dir" && cmake -E tar xf "$zip" || exit 1
bundle=$dir/$name
for text in README.txt patterns.txt LICENSE.txt; do
    lines=$(wc -l < "$bundle/$text")
    [ "$lines" -gt 10 ] && [ "$(grep -c $'\r$' "$bundle/$text")" = "$lines" ] || fail "$text is not CRLF throughout"
done
grep -qF "types import --root" "$bundle/README.txt" || fail "README.txt does not say how to import"
grep -qF "patterns.txt" "$bundle/README.txt" || fail "README.txt does not point to patterns.txt"
grep -q '^```' "$bundle/patterns.txt" && fail "patterns.txt keeps the page's code fences"
grep -qF "MIT License" "$bundle/LICENSE.txt" || fail "LICENSE.txt is not the licence"
for f in stringslist.dll stringslist.exe; do
    tr -d '\0' < "$bundle/$f" | grep -qaF "FileVersion$version" || fail "$f has no file version $version"
    tr -d '\0' < "$bundle/$f" | grep -qaF "OriginalFilename$f" || fail "$f has no version resource of its own"
    tr -d '\0' < "$bundle/$f" | grep -qaF "ProductNamestringslist" || fail "$f has no product name"
done
for f in stringslist.dll stringslist.exe; do
    i686-w64-mingw32-objdump -t "$bundle/$f" | grep -qx 'no symbols' || fail "$f is not stripped"
done

exe() { wine "$bundle/stringslist.exe" "$@"; }
[ "$(exe --version)" = "stringslist $version" ] || fail "stringslist.exe --version says: $(exe --version)"

# --- the same list as the Linux program, from a store filled the same way
cp /usr/include/stdio.h stdio.h
export XDG_CONFIG_HOME=$dir/config
"$native" types import --root "$root" --shipped > /dev/null || fail "the Linux import failed"
"$native" list --porcelain --cursor 300 --root "$root" stdio.h > linux.out || fail "the Linux list failed"
grep -q '^item' linux.out || fail "the Linux list is empty"

exe types import --root "$root" --shipped > out 2> err || { fail "stringslist.exe types import"; cat out err; }
grep -qF "into HKEY_CURRENT_USER\\$root\\RegExp\\FileTypes" out || { fail "import says:"; cat out; }
exe list --porcelain --cursor 300 --root "$root" stdio.h > windows.out 2> err || { fail "stringslist.exe list"; cat err; }
cmp linux.out windows.out || { fail "stringslist.exe list differs from Linux"; diff linux.out windows.out | head; }

# --- the real registry read back, changed and read again, as the store file is
# (Wine keeps a key's values in name order, so the exports differ in order; the lists do not.)
exe types list --root "$root" | sed 1d > windows.list
"$native" types list --root "$root" | sed 1d > linux.list
cmp linux.list windows.list || { fail "the lists differ"; diff linux.list windows.list | head; }
grep -q '^C$' linux.list || fail "no type C was imported"
exe types delete --root "$root" c++ > /dev/null && exe types set --root "$root" C --flags 0 --present '' > /dev/null ||
    fail "stringslist.exe types delete or set"
"$native" types delete --root "$root" c++ > /dev/null && "$native" types set --root "$root" C --flags 0 --present '' > /dev/null
exe types list --root "$root" | sed 1d > windows.list
"$native" types list --root "$root" | sed 1d > linux.list
cmp linux.list windows.list || { fail "the changed lists differ"; diff linux.list windows.list | head; }
grep -q '^C++$' linux.list && fail "the type C++ was not deleted"

# --- a type's optional values, set on Linux, exported, imported on Windows: the same type and the same list
"$native" types set --root "$root" C --line-comment '//' --block '/* */' --quote "\"\\ '\\" --join '(' > /dev/null &&
    "$native" types export --root "$root" optional.reg > /dev/null || fail "the Linux set or export of optional values"
exe types import --root "$root" optional.reg > /dev/null || fail "stringslist.exe could not import the optional values"
exe types list --root "$root" | sed 1d > windows.list
"$native" types list --root "$root" | sed 1d > linux.list
cmp linux.list windows.list || { fail "the lists with optional values differ"; diff linux.list windows.list | head; }
grep -qF "    Join        (" windows.list || fail "stringslist.exe lost the optional values"
printf '/*\nint fake(void)\n*/\nint real(int y)\n{\n}\nstatic int split\n  (int z)\n{\n}\n' > optional.c
"$native" list --porcelain --root "$root" optional.c > optional-linux.out
grep -q 'split' optional-linux.out && ! grep -q 'fake' optional-linux.out ||
    fail "the Linux list does not use the optional values"
exe list --porcelain --root "$root" optional.c > optional-windows.out
cmp optional-linux.out optional-windows.out ||
    { fail "the lists with optional values differ"; diff optional-linux.out optional-windows.out | head; }

# --- an export for another root, imported with regedit, read by the DLL
"$native" types import --root "$root-regedit" --shipped > /dev/null || fail "the Linux import under a root failed"
"$native" types export --root "$root-regedit" exported.reg > /dev/null || fail "the Linux export failed"
grep -qF "[HKEY_CURRENT_USER\\$root-regedit\\RegExp\\FileTypes\\C]" exported.reg || fail "the export names another root"
wine regedit /s exported.reg || fail "regedit could not import the export"
exe list --porcelain --cursor 300 --root "$root-regedit" stdio.h > regedit.out 2> err || fail "list after regedit"
cmp linux.out regedit.out || { fail "the regedit import lists differently"; diff linux.out regedit.out | head; }

finish "the bundle works under Wine"
