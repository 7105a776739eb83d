#!/usr/bin/env bash
# Builds everything and passes every test suite, on a fresh Debian machine:
# native (RelWithDebInfo), native with AddressSanitizer + UndefinedBehavior-
# Sanitizer, with ThreadSanitizer, the fuzz targets for a short fixed
# number of runs, and the Windows DLL's suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh

jobs=$(nproc)
run_suite() {
  local preset=$1
  echo "=== suite: $preset"
  cmake --preset "$preset" -G Ninja >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
}

run_suite linux
run_suite linux-asan
run_suite linux-tsan

echo "=== suite: fuzz (short fixed runs)"
bash scripts/fuzz.sh

echo "=== suite: windows (the DLL under Wine)"
bash scripts/windows-tests.sh
