#!/usr/bin/env bash
# Builds everything and passes every test suite, on a fresh Debian machine:
# native (RelWithDebInfo), native with AddressSanitizer + UndefinedBehavior-
# Sanitizer, and more as they are added below.
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
