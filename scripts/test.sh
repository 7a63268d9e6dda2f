#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test. Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
stage() { echo; echo "=== $* ($((SECONDS - started)) s)"; }

stage "installing what the build needs"
scripts/install_deps.sh

stage "native build and tests"
build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j2
scripts/run_ctest.sh "$build"

stage "the demo and the settings check under valgrind's memcheck"
scripts/memcheck.sh "$build"

stage "the simulator under Windows (x86_64, wine64) against the native one"
scripts/test_windows_sim.sh "$build"

stage "the whole test suite under clang's AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/test_sanitizers.sh

stage "the settings reader against Windows' own"
scripts/test_profile_reader.sh

stage "the 32-bit Windows product DLL"
scripts/build_windows.sh

stage "the module in 32 bits, under qemu-i386"
scripts/test_32bit.sh

stage "benchmarks against their floors (figures only; the floors' host calls are tested)"
scripts/bench.sh

stage "fuzzers, a minute each, under the sanitizers"
scripts/fuzz.sh 60

stage "all passed"
