#!/usr/bin/env bash
# Installs what is needed, builds the module and the simulator, and plays the demo scenario on
# the bundled settings and textures. Extra arguments go to velomark-sim, e.g.
#   scripts/demo.sh --game-dir ~/my-game --scenario my.json
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build_sim.sh

mkdir -p out/demo
build/release/sim/velomark-sim --out out/demo --trace out/demo/trace.txt "$@"
echo "Snapshots: $(pwd)/out/demo   Trace: $(pwd)/out/demo/trace.txt"
