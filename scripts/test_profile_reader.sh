#!/usr/bin/env bash
# Asks the lookups of tests/profile_corpus/queries.txt of Windows' own profile reader (a Windows
# build of the probe, run under wine64) and of the module's stand-in (platform/profile_reader.cpp,
# built natively), from the same folder, and fails with the differences when their answers differ
# from each other or from the answers recorded in expected.txt. Without wine64 or MinGW-w64 only
# the stand-in is checked, against expected.txt.
#
# Usage: scripts/test_profile_reader.sh [--update]
#   --update  first records Windows' answers in expected.txt (after adding files or queries).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine_env.sh

corpus=tests/profile_corpus
# The probe is given the corpus folder the way the module names its settings file: a relative
# Windows path with backslashes.
corpus_windows_path='tests\profile_corpus'
out=build/profile-reader
windows_cxx=x86_64-w64-mingw32-g++-posix
flags=(-std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -I.)
mkdir -p "$out"

failures=0
compare() {  # compare LABEL_A FILE_A LABEL_B FILE_B
  if ! diff -u --label "$1" --label "$3" "$2" "$4"; then
    echo "test_profile_reader.sh: $1 and $3 differ" >&2
    failures=$((failures + 1))
  fi
}

g++ "${flags[@]}" -o "$out/probe" "$corpus/profile_probe.cpp" platform/profile_format.cpp \
  platform/profile_reader.cpp
"$out/probe" "$corpus_windows_path" <"$corpus/queries.txt" >"$out/stand-in.txt"

if wine_available && command -v "$windows_cxx" >/dev/null; then
  "$windows_cxx" "${flags[@]}" -static -o "$out/probe.exe" "$corpus/profile_probe.cpp"

  start_wine profile-reader
  "$wine" "$out/probe.exe" "$corpus_windows_path" <"$corpus/queries.txt" >"$out/windows.txt"

  if [ "${1-}" = --update ]; then
    cp "$out/windows.txt" "$corpus/expected.txt"
  fi
  compare windows "$out/windows.txt" stand-in "$out/stand-in.txt"
  compare expected.txt "$corpus/expected.txt" windows "$out/windows.txt"
else
  echo "test_profile_reader.sh: no wine64 or $windows_cxx: the stand-in is checked" \
    "against expected.txt only" >&2
  compare expected.txt "$corpus/expected.txt" stand-in "$out/stand-in.txt"
fi

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "test_profile_reader.sh: $(wc -l <"$out/stand-in.txt") lookups answered alike"
