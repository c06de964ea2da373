#!/bin/bash
# The shipped types chosen by a well-known file name, through the real DLL
# under Wine: stringslist.exe lists a sample filed under the full Windows name
# a host gives (drive letter, backslashes, a folder with a space), with the
# shipped types imported into Wine's registry, and must list what the sample's
# golden file says.
#
#   windows_names_test.sh STRINGSLIST_EXE SOURCE_DIR WINEPREFIX
set -u
exe=$1 source=$2
export WINEPREFIX=$(cd "$3" && pwd) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root="Software\\stringslist-names-$$"
folder="stringslist-names-$$"
drive_c=$WINEPREFIX/drive_c
trap 'wine reg delete "HKCU\\$root" /f >/dev/null 2>&1; rm -rf "$drive_c/$folder"' EXIT
samples=$source/tests/filetypes/samples
golden=$source/tests/filetypes/golden

# Wine reads Z: as the Linux root.
regs=()
for reg in "$source"/filetypes/*.reg; do regs+=("Z:${reg//\//\\}"); done
wine "$exe" types import --root "$root" "${regs[@]}" > /dev/null || { echo "FAIL: types import"; exit 1; }

# Each case: the Windows name below C:\<folder>, and the sample whose golden list it must give.
cases=(
    'src\My Project\Makefile|Makefile'
    'src\My Project\CMakeLists.txt|CMakeLists.txt'
    'src\My Project\docker\Dockerfile|Dockerfile'
    'src\My Project\docker\Dockerfile-2_x|Dockerfile'
    'src\My Project\docker\Dockerfile_debian|Dockerfile'
    'src\My Project\configure.ac|configure.ac'
    'Users\me\.bash_profile|.bash_profile'
    'Users\me\.bashrc|.bash_profile'
    'src\My Project\Rakefile|ledger.rb'
    'src\My Project\Gemfile|ledger.rb'
    'Users\me\.gitconfig|ledger.ini'
    'Users\me\AppData\Roaming\.emacs|notes-mode.el'
    'Users\me\_vimrc|format.vim'
    'Program Files\Vim\vimrc|format.vim'
    'msys64\mingw64\include\c++\13.2.0\widget|widget.cc'
)
failures=0
for c in "${cases[@]}"; do
    name=${c%%|*} sample=${c#*|}
    file="$drive_c/$folder/${name//\\//}"
    mkdir -p "$(dirname "$file")" && cp "$samples/$sample" "$file"
    windows="C:\\$folder\\$name"
    # A wineserver that drops its client now and then is Wine's fault, not the list's: such a run goes again.
    for try in 1 2; do
        wine "$exe" list --porcelain --root "$root" "$windows" 2>&1 |
            awk -F'\t' -v OFS='\t' -v name="$sample" '$1 == "menu" { $2 = name } { print }' > "$drive_c/$folder/out"
        grep -q '^wine client error' "$drive_c/$folder/out" || break
    done
    if ! diff -u "$golden/$sample.out" "$drive_c/$folder/out"; then
        echo "FAIL: $windows lists otherwise than golden/$sample.out"
        failures=$((failures + 1))
    fi
done
echo "${#cases[@]} Windows names, $failures failed"
[ "$failures" = 0 ]
