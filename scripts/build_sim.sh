#!/usr/bin/env bash
# Installs what is needed and builds the module and velomark-sim for players (Release, in
# build/release). Prints nothing but the build's errors; the tool is build/release/sim/velomark-sim.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install_deps.sh

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELOMARK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target velomark velomark-sim >/dev/null
