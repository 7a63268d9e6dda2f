#!/usr/bin/env bash
# Records the demo scenario's trace as the golden trace that the tests compare against. Run it
# after an intended change of the module, the simulated host or the demo, and review the diff.
#   scripts/update_golden.sh [BUILD_DIR]     (default: build/test, the folder scripts/test.sh uses)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/test}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" -j2 --target velomark-sim

snapshots=$(mktemp -d)
trap 'rm -rf "$snapshots"' EXIT
"$build/sim/velomark-sim" --game-dir assets --scenario sim/scenarios/demo.json \
  --trace tests/sim/golden/demo.trace --out "$snapshots" >/dev/null
echo "Golden trace: tests/sim/golden/demo.trace ($(wc -l <tests/sim/golden/demo.trace) lines)"
git --no-pager diff --stat -- tests/sim/golden/demo.trace 2>/dev/null || true
