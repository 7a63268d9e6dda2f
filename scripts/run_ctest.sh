#!/usr/bin/env bash
# Runs ctest in a build folder, keeping the full log beside it: prints the summary, and on a
# failure the output of every failed test.
set -uo pipefail
build=$1
shift
log="$build/ctest.log"
ctest --test-dir "$build" --output-on-failure -j2 "$@" >"$log" 2>&1
status=$?
if [ $status -ne 0 ]; then
  grep -v -E '^ *(Start|[0-9]+/[0-9]+ Test) .* Passed' "$log" | tail -n 400
fi
grep -E 'tests passed|tests failed' "$log" || tail -n 20 "$log"
exit $status
