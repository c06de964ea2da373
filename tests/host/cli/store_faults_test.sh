#!/bin/bash
# The store under faults: a disk that takes no more, a read-only folder, a
# store that is a directory or a symbolic link leading nowhere. Each change
# fails with a message naming the cause, a non-zero exit, and the old store
# byte for byte; a store linked elsewhere is rewritten there, the link kept.
set -u
. "$(dirname "$0")/../../support/shell_checks.sh"
program=$1
dir=$(mktemp -d)
chmod 755 "$dir"
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
folder=$XDG_CONFIG_HOME/stringslist
store=$folder/registry.reg
cd "$dir" || exit 1
long=$(printf 'm%.0s' {1..500})  # three of them make a store of more than 1 KiB

# refused NAME TEXT [RUNNER...]: a change fails, says TEXT, and leaves the store as it was.
refused() {
    local name=$1 text=$2
    shift 2
    [ -f "$store" ] && cp "$store" before
    "$@" "$program" types set Big --mask "$long" --rx "$long" --present "$long" > out 2> err
    local got=$?
    [ "$got" = 1 ] || fail "$name: status $got, wanted 1"
    grep -qF -- "$text" err || { fail "$name: the message lacks: $text"; cat err; }
    [ ! -e before ] || cmp -s "$store" before || fail "$name: the store changed"
    rm -f before
}

"$program" types set C --mask '\.c$' --rx '^(\w+)\(' > /dev/null || fail "the first set failed"

# A disk that takes no more than 1 KiB per file, as a full one takes nothing.
limited() { (ulimit -f 1; trap '' XFSZ; "$@"); }
refused "full disk" "cannot write $store.tmp: File too large (the store is left as it is)" limited
[ ! -e "$store.tmp" ] || fail "full disk: the temporary file stayed"

# A folder the user may not write in (root may: run as nobody then).
chmod 555 "$folder"
chmod 444 "$store" "$store.lock" 2>/dev/null
if [ "$(id -u)" = 0 ]; then
    chmod 755 "$dir" "$XDG_CONFIG_HOME"
    refused "read-only folder" "Permission denied (the store is left as it is)" \
        setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$dir"
else
    refused "read-only folder" "Permission denied (the store is left as it is)"
fi
chmod 755 "$folder"
chmod 644 "$store"

# A store that is a directory.
mv "$store" "$dir/saved.reg"
mkdir "$store"
refused "directory" "the store $store is a directory, not a file"
"$program" list --porcelain "$dir/saved.reg" > out 2> err
[ $? = 1 ] && grep -qF "is a directory" err || fail "list did not refuse a directory store"
rmdir "$store"

# A link that leads nowhere: neither an empty store nor replaced by a file.
ln -s "$dir/elsewhere/registry.reg" "$store"
refused "dangling link" "the store $store is a symbolic link to $dir/elsewhere/registry.reg, which does not exist"
[ -L "$store" ] || fail "dangling link: the link was replaced"

# A link to a store elsewhere: the change lands there, the link stays.
mkdir "$dir/elsewhere"
cp "$dir/saved.reg" "$dir/elsewhere/registry.reg"
"$program" types set Make --mask 'akefile$' > out 2> err || { fail "set through a link failed"; cat err; }
[ -L "$store" ] || fail "the link became a file"
grep -qF '\Make]' "$dir/elsewhere/registry.reg" || fail "the change did not reach the linked store"
grep -qF '\C]' "$dir/elsewhere/registry.reg" || fail "the linked store lost a type"

finish "all store fault checks passed"
