#!/bin/sh
# The DLL loads only DLLs that every Windows has: no compiler runtimes.
# usage: check_imports.sh OBJDUMP DLL
set -eu
objdump=$1 dll=$2
imports=$("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
[ -n "$imports" ] || { echo "FAIL: no import table found in $dll"; exit 1; }
status=0
for name in $imports; do
    case $(echo "$name" | tr 'A-Z' 'a-z') in
        kernel32.dll|advapi32.dll|ole32.dll|oleaut32.dll|shell32.dll|user32.dll|winhttp.dll|iphlpapi.dll|ws2_32.dll|msvcrt.dll|ucrtbase.dll|api-ms-win-*.dll|bcrypt.dll|crypt32.dll|secur32.dll)
            echo "ok      $name" ;;
        *)
            echo "FAIL    $name is not a Windows system DLL"; status=1 ;;
    esac
done
exit $status
