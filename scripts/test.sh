#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test. Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install_deps.sh

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
