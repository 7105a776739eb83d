#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) in
# build/fuzz and runs each from its seed corpus for a fixed number of runs.
#   scripts/fuzz.sh            short run for CI (FUZZ_RUNS runs per target, default 20000)
#   scripts/fuzz.sh --long     long run: FUZZ_SECONDS per target (default 600), corpus grows in build/fuzz/corpus
# Prints "FIGURE fuzz <target>: <executions>" per target.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=short
[[ "${1:-}" == "--long" ]] && mode=long
runs=${FUZZ_RUNS:-20000}
seconds=${FUZZ_SECONDS:-600}
build=build/fuzz
cc=$(command -v clang-14 || command -v clang)
cxx=$(command -v clang++-14 || command -v clang++)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
  -DVANTOREL_BUILD_FUZZ=ON -DVANTOREL_BUILD_TESTS=OFF -DVANTOREL_BUILD_TOOLS=OFF \
  -DVANTOREL_SANITIZE=address,undefined >/dev/null
targets=(reply_evaluation config_text text_boundary active_accounts registry_monitor)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  mkdir -p "$work"
  if [[ $mode == long ]]; then
    limit=(-max_total_time="$seconds")
  else
    limit=(-runs="$runs")
  fi
  log="$build/$t.log"
  # The grown corpus first (it is written to), then the committed seeds.
  if ! "$build/fuzz/fuzz_$t" "${limit[@]}" -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/$t-" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz target $t failed; the input is in $build/$t-*" >&2
    exit 1
  fi
  execs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  echo "FIGURE fuzz $t ($mode): $execs executions"
done
