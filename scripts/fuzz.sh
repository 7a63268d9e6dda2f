#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, under AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each from its seed corpus (fuzz/corpus/<target>/) for a bounded time. Any crash,
# sanitizer report, failed check, leak, timeout or memory overrun fails the run, and the input
# that caused it is kept under the build folder's findings/.
#   scripts/fuzz.sh [seconds per target, default 60]
# The build folder is build/fuzz, or VELOMARK_FUZZ_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${VELOMARK_FUZZ_BUILD:-build/fuzz}
targets=(number_conversion settings_file game)
executables=()
for target in "${targets[@]}"; do executables+=("velomark_${target}_fuzz"); done

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELOMARK_BUILD_FUZZ=ON -DVELOMARK_BUILD_TESTS=OFF -DVELOMARK_BUILD_SIM=OFF >/dev/null
cmake --build "$build" -j2 --target "${executables[@]}"

findings=$(realpath "$build")/findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  # The fuzzer adds what it finds to a copy of the seeds; the seeds in the repository stay as
  # they are.
  cp -r "fuzz/corpus/$target" "$work/$target"
  log=$work/$target.log
  dictionary=()
  if [[ -f fuzz/$target.dict ]]; then dictionary=(-dict="fuzz/$target.dict"); fi
  if ! "$build/fuzz/velomark_${target}_fuzz" "$work/$target" "${dictionary[@]}" \
       -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings/$target-" >"$log" 2>&1; then
    tail -60 "$log"
    echo "FAILED: fuzzer $target; the input is in $findings" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  echo "fuzzer $target: $runs runs in ${seconds} s, $speed per second, peak RSS $rss MB"
done
