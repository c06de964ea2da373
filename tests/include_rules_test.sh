#!/bin/sh
# The include rules of the tree (README, Layout): every #include "..." of a
# source file must name a header its folder may use. Prints each breach.
# usage: include_rules_test.sh SOURCE_DIR
cd "$1" || exit 2

# folder (a path prefix) and what its files may include (an extended regex of paths)
rules='
base/              ^base/
pattern/           ^(base|pattern)/
platform/          ^(base|platform)/
frame/             ^(base|frame|editor|strings_list|settings|platform)/|^pattern/pattern\.h$
editor/            ^(base|frame|editor|strings_list|settings|platform)/|^pattern/pattern\.h$
strings_list/      ^(base|frame|editor|strings_list|settings|platform)/|^pattern/pattern\.h$
settings/          ^(base|frame|editor|strings_list|settings|platform)/|^pattern/pattern\.h$
host/common/       ^(base|host/common|platform)/|^frame/plugin_interface\.h$
host/scripted/     ^(base|host/common|host/scripted)/|^frame/plugin_interface\.h$
host/terminal/     ^(base|host/common|host/terminal|platform)/|^frame/plugin_interface\.h$|^settings/store_layout\.h$
host/cli/          ^(base|host|platform)/|^frame/plugin_interface\.h$|^pattern/pattern\.h$|^settings/store_layout\.h$
bench/             ^(base|host|pattern|platform|frame|settings)/
fuzz/              .
tests/             .
'

status=0
for file in $(find . -name build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's#^\./##' | sort); do
    allowed=$(printf '%s\n' "$rules" | while read -r folder pattern; do
        [ -n "$folder" ] && case $file in "$folder"*) printf '%s\n' "$pattern"; break ;; esac
    done)
    if [ -z "$allowed" ]; then
        echo "$file: its folder has no include rule"
        status=1
        continue
    fi
    for included in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
        if ! printf '%s\n' "$included" | grep -Eq "$allowed"; then
            echo "$file: includes $included"
            status=1
        fi
    done
done
exit $status
