#!/usr/bin/env bash
# Benchmarks a frame (OnPresent), a main-loop call and the settings load of the module against
# their floors: the same host calls made bare on the same no-op host (bench/). Builds in Release,
# proves that each floor makes exactly the module's host calls, then times both and prints a
# table: time per call of module and floor, their ratio, host calls and heap allocations per
# call. Goals: a frame within 1.5 times its floor; no allocation in a frame or a main-loop call.
#
# Usage: scripts/bench.sh [build folder, default build/bench] [extra Google Benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/bench}
shift || true
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELOMARK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target velomark_host_bench velomark_floor_test

echo "=== the floors make the module's host calls"
ctest --test-dir "$build" -R '^(FloorTest|DrawCallByDrawCallTest)\.' --output-on-failure

echo "=== timings"
# The module reads its settings from the current folder: the default game folder. On a shared
# machine each benchmark is repeated, interleaved with the others, and the fastest repetition
# is kept: a disturbance only ever adds time.
cd "$root/assets"
"$build/bench/velomark_host_bench" \
  --benchmark_repetitions=20 \
  --benchmark_min_time=0.05 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_color=false \
  "$@"
