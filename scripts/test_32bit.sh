#!/usr/bin/env bash
# Builds the module and its unit, module and allocation tests as 32-bit x86 Linux code
# (g++ -m32 -msse2 -mfpmath=sse) and runs them under qemu-i386, since this machine cannot run
# 32-bit code itself. Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/linux-i686
# No simulator: its renderer needs a 32-bit libpng, and the module's tests do without it.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-linux.cmake \
  -DCMAKE_BUILD_TYPE=Debug -DVELOMARK_BUILD_SIM=OFF
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2 --no-tests=error
