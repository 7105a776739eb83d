#!/bin/bash
# Builds the Windows x64 DLL and its tests with the MinGW-w64 cross
# compiler and runs them under Wine in a fresh, throw-away Wine prefix.
# The tests' relay sandboxes come from a native broker, built here in its
# own build folder. Usage: scripts/windows-tests.sh [extra ctest arguments]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VANTOREL_JOBS:-2}
native_dir="$root/build/windows-native-sandbox"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

echo "== native sandbox broker ($native_dir)"
cmake -S "$root/tests/windows/sandbox_broker" -B "$native_dir" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$native_dir" -j "$jobs" --target vantorel-sandbox-broker

echo "== Windows cross-build (build/windows)"
cmake --preset windows -S "$root" -DVANTOREL_SANDBOX_BROKER="$native_dir/vantorel-sandbox-broker" > /dev/null
cmake --build --preset windows -j "$jobs"

echo "== fresh Wine prefix"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    "$wineserver" -k 2> /dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$wine" wineboot -i > /dev/null 2>&1
# One wine server for the whole run, rather than one per test program.
"$wineserver" -p

echo "== ctest under Wine"
cd "$root"
ctest --preset windows "$@"
