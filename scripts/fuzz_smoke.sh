#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a short while; any crash fails the run.
# Give a number of seconds per fuzzer as the first argument (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DVELOMARK_BUILD_FUZZ=ON \
  -DVELOMARK_BUILD_TESTS=OFF -DVELOMARK_BUILD_SIM=OFF >/dev/null
cmake --build "$build" -j2 --target velomark_number_conversion_fuzz velomark_profile_reader_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for fuzzer in number_conversion profile_reader; do
  (cd "$work" && "$OLDPWD/$build/fuzz/velomark_${fuzzer}_fuzz" -max_total_time="$seconds" \
     > "$work/$fuzzer.log" 2>&1) || { tail -40 "$work/$fuzzer.log"; echo "fuzzer $fuzzer failed" >&2; exit 1; }
  echo "fuzzer $fuzzer: $(grep -o 'Done [0-9]* runs' "$work/$fuzzer.log")"
done
