#!/bin/sh
# The plug-in exports exactly the six entry points, by undecorated name, and the
# DLL imports nothing but Windows system DLLs (no C++ runtime DLL to ship).
set -e
lib=$1
expected="ClosePlugin Configure GetPluginInfo OpenPlugin ProcessEditorInput SetStartupInfo"
case "$lib" in
*.dll)
    dump=$(i686-w64-mingw32-objdump -p "$lib")
    exports=$(echo "$dump" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | sed -n 's/^\t\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
    imports=$(echo "$dump" | sed -n 's/.*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
    for dll in $imports; do
        case "$dll" in
        KERNEL32.DLL|MSVCRT.DLL|ADVAPI32.DLL|USER32.DLL) ;;
        *) echo "imports a DLL that is not a Windows system DLL: $dll"; exit 1 ;;
        esac
    done ;;
*)
    exports=$(nm -D --defined-only "$lib" | awk '{print $3}' | sort | tr '\n' ' ') ;;
esac
if [ "$exports" != "$expected " ]; then
    echo "exports: $exports"
    echo "expected: $expected"
    exit 1
fi
echo "exports: $exports"
