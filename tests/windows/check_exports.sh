#!/bin/sh
# The DLL's export table holds exactly the names in the list, no more.
# usage: check_exports.sh OBJDUMP DLL EXPECTED_NAMES_FILE
set -eu
objdump=$1 dll=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$objdump" -p "$dll" |
    sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort > "$actual"
if ! sort "$expected" | diff -u - "$actual"; then
    echo "FAIL: the export table of $dll differs from $expected (- expected, + exported)"
    exit 1
fi
echo "OK: $(wc -l < "$actual") exports, all by name"
