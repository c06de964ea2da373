#!/bin/bash
# make install into a DESTDIR, then the installed program, run from another
# folder, imports the shipped types it was installed with and lists a file;
# make uninstall removes it all; without rights, install says what to do.
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
source=$1
tree=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
dest=$dir/dest

# A make of its own, not a job of the make that may have started these tests.
unset MAKEFLAGS MFLAGS MAKELEVEL
make -C "$source" install NATIVE="$tree" DESTDIR="$dest" PREFIX=/usr > "$dir/install.log" 2>&1 ||
    { fail "make install failed"; cat "$dir/install.log"; }
for f in bin/stringslist lib/stringslist/libstringslist.so share/man/man1/stringslist.1 \
         share/stringslist/filetypes/c.reg share/doc/stringslist/patterns.md share/doc/stringslist/LICENSE; do
    [ -f "$dest/usr/$f" ] || fail "not installed: /usr/$f"
done

mkdir "$dir/away"
cd "$dir/away" || exit 1
export XDG_CONFIG_HOME=$dir/config
program=$dest/usr/bin/stringslist
"$program" types import --shipped > out 2> err || { fail "types import --shipped failed"; cat out err; }
grep -qF "from $dest/usr/share/stringslist/filetypes into" out ||
    { fail "the shipped types did not come from the installation"; cat out; }
printf '#include <stdio.h>\n\nstruct point {\n    int x, y;\n};\n\nint main(void)\n{\n    return 0;\n}\n' > main.c
"$program" list --porcelain main.c > out 2> err || { fail "list failed"; cat err; }
grep -q '^item	main$' out && grep -q '^item	struct point$' out || { fail "list gave:"; cat out err; }

# make uninstall leaves nothing of the program, and folders not its own in place.
cd "$dir" || exit 1
make -C "$source" uninstall DESTDIR="$dest" PREFIX=/usr > uninstall.log 2>&1 || { fail "make uninstall failed"; cat uninstall.log; }
left=$(find "$dest" -path '*stringslist*')
[ -z "$left" ] || fail "make uninstall left: $left"
[ -d "$dest/usr/share/man/man1" ] || fail "make uninstall removed a folder not its own"

# Without the rights to write there, install says what to type instead.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    mkdir -p "$dir/root-only" && chmod 755 "$dir" "$dir/root-only"
    setpriv --reuid=65534 --regid=65534 --clear-groups sh "$source/scripts/install" "$tree" "" "$dir/root-only/usr" \
        > out 2> err && fail "install as a user into a folder of root's succeeded"
    grep -qF 'make install PREFIX=$HOME/.local' err || { fail "install without rights says:"; cat err; }
fi

finish "installed program works from $dest"
