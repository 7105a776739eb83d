#!/bin/sh
# Runs a Windows program under 64-bit Wine, quietly and without the .NET
# and HTML installers. Uses WINEPREFIX when set, else a fresh prefix in a
# temporary folder that is removed afterwards.
set -u
wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "wine64 not found" >&2; exit 127; }
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
own_prefix=
if [ -z "${WINEPREFIX:-}" ]; then
    own_prefix=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-wine.XXXXXX")
    export WINEPREFIX="$own_prefix"
fi
"$wine" "$@"
rc=$?
if [ -n "$own_prefix" ]; then
    server=$(dirname "$wine")/wineserver
    [ -x "$server" ] || server=wineserver
    "$server" -k 2>/dev/null || true
    rm -rf "$own_prefix"
fi
exit $rc
