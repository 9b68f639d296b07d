#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UBSan, libFuzzer) and runs each for the given
# seconds (default 8). The seeds in fuzz/corpus stay as they are; what a run adds goes to the build.
# A finding stops the script; its input lies in the build folder and becomes a unit test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-8}
build="${PBW_BUILD_ROOT:-$root/build}/fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPBW_SANITIZE=ON -DPBW_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target pbw_fuzz_targets >"$build/build.log" 2>&1 || { cat "$build/build.log"; exit 1; }

for seeds in "$root"/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  found="$build/corpus/$target"
  mkdir -p "$found" "$build/findings"
  log="$build/$target.log"
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$found" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$target: ${runs:-?} executions, ${rate:-?}/s"
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|Test unit written|runtime error' "$log" >&2 || tail -n 30 "$log" >&2
    echo "$target found a fault (log: $log)" >&2
    exit 1
  fi
done
