#!/usr/bin/env bash
# Plays the demo, and checks the bundled settings and a broken settings file, under valgrind's
# memcheck: any memory error or leak fails the run.
# Usage: scripts/memcheck.sh BUILD   (a native build folder with velomark-sim built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
sim="$build/sim/velomark-sim"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

memcheck() {
  local name=$1 expected_status=$2
  shift 2
  local status=0
  valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
    --errors-for-leak-kinds=all --track-origins=yes --log-file="$work/$name.valgrind" \
    "$@" >"$work/$name.out" 2>&1 || status=$?
  if [ -s "$work/$name.valgrind" ] || [ "$status" -ne "$expected_status" ]; then
    cat "$work/$name.out" "$work/$name.valgrind" >&2
    echo "memcheck: $name: exit status $status, expected $expected_status" >&2
    exit 1
  fi
  echo "memcheck: $name clean"
}

memcheck demo 0 "$sim" --out "$work/out" --trace "$work/trace.txt"

memcheck check-bundled 0 "$sim" --check

mkdir -p "$work/broken/SAMPFUNCS/Velomark"
printf '[Components]\nbMoney=True\n[Money]\nfX=abc\n[Monney]\nfX=1\n' \
  >"$work/broken/SAMPFUNCS/Velomark/Velomark.ini"
memcheck check-broken 1 "$sim" --check --game-dir "$work/broken"
