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
cmake --preset windows -S "$root" -DVANTOREL_SANDBOX_BROKER="$native_dir/vantorel-sandbox-broker" ${VANTOREL_WINDOWS_CMAKE_ARGS:-} > /dev/null
cmake --build --preset windows -j "$jobs"

echo "== fresh Wine prefix"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    "$wineserver" -k 2> /dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
# wineboot may report a missing 32-bit helper on a 64-bit-only Wine; the
# prefix is usable when its registry exists.
"$wine" wineboot -i > /dev/null 2>&1 || true
"$wineserver" -w  # the registry reaches the disk when the server ends
[ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create a Wine prefix in $WINEPREFIX" >&2; exit 1; }
# One wine server for the whole run, rather than one per test program,
# and Wine's background services started now: started by the first test
# program they would hold ctest's output pipe open.
"$wineserver" -p
"$wine" wineboot > /dev/null 2>&1 < /dev/null || true

echo "== ctest under Wine"
cd "$root"
ctest --preset windows "$@"
