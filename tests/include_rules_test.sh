#!/bin/sh
# The include rules of the tree (README, Layout): every #include "..." of a
# source file must name a header its folder may use. Prints each breach.
# usage: include_rules_test.sh SOURCE_DIR
cd "$1" || exit 2

# folder (a path prefix) and what its files may include (an extended regex of paths).
# The plug-in is a stack, each floor including only those below it:
#   plugin/                                 the plug-in object and the six exports
#   strings_list/ over settings/, editor/   the features
#   frame/                                  the interface: records, the startup copy, services
# so a feature that reaches up to plugin/ (or sideways where it has no use) fails here.
rules='
base/              ^base/
pattern/           ^(base|pattern)/
platform/          ^(base|platform)/
frame/             ^(base|frame)/
editor/            ^(base|frame|editor)/|^pattern/pattern\.h$
settings/          ^(base|frame|platform|settings)/|^pattern/pattern\.h$
strings_list/      ^(base|frame|settings|strings_list)/|^pattern/pattern\.h$
plugin/            ^(base|frame|editor|settings|strings_list|plugin)/
host/common/       ^(base|host/common|platform)/|^frame/plugin_interface\.h$
host/scripted/     ^(base|host/common|host/scripted)/|^frame/plugin_interface\.h$
host/terminal/     ^(base|host/common|host/terminal|platform)/|^frame/plugin_interface\.h$|^settings/store_layout\.h$
host/cli/          ^(base|host|platform)/|^frame/plugin_interface\.h$|^pattern/pattern\.h$|^settings/(store_layout|file_type_lookup)\.h$
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
