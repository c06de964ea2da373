#!/bin/bash
# make install into a DESTDIR, then the installed program, run from another
# folder, imports the shipped types it was installed with and lists a file.
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
         share/stringslist/filetypes/c.reg; do
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

finish "installed program works from $dest"
