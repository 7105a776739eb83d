#!/usr/bin/env bash
# Runs the reliability tests and the short fuzz run, and prints the figures
# they report (the lines "FIGURE name: value"), as docs/reliability.md
# quotes them.
#   scripts/reliability-figures.sh [build folder]   default build/linux (built if needed)
#   VANTOREL_RELIABILITY_LONG=1 ...                  the 100,000-round memory run
#   FUZZ=long ...                                    the long fuzz run instead of the short one
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/linux}
if [[ ! -x "$build/tests/vantorel_tests" ]]; then
  cmake --preset linux -G Ninja >/dev/null
  cmake --build "$build" -j "$(nproc)" --target vantorel_tests
fi
"$build/tests/vantorel_tests" --gtest_filter='Reliability*' | grep '^FIGURE'
if [[ "${FUZZ:-short}" == long ]]; then
  bash scripts/fuzz.sh --long | grep '^FIGURE'
else
  bash scripts/fuzz.sh | grep '^FIGURE'
fi
