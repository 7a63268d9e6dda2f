#!/usr/bin/env bash
# Plays every scenario of the simulator's tests with the native velomark-sim and with its x86_64
# Windows build under wine64, where DllMain, Windows' own profile reader, GetTickCount and the
# stores into game memory run for real, and fails with the differences when the traces differ.
#
# The scenarios are those the native simulator tests play: run with VELOMARK_SIM_CASES set, they
# keep each scenario and its game folder as a case (tests/sim/sim_tool.cpp). One case is added
# here: the radar moved to 0 and -0, whose stores of 0x00000000 and 0x80000000 the Windows host
# must see as well.
#
# One difference is expected: under Windows the plug-in stores into the process's memory itself,
# and the host reports the stores when the main-loop call that made them returns, in address
# order. The native trace, which shows them where they were made, is brought to that form before
# the traces are compared byte for byte.
#
# Usage: scripts/test_windows_sim.sh [NATIVE_BUILD]
#   NATIVE_BUILD  the native build folder to use, configured (Debug) if it is not yet;
#                 default build/test, the one scripts/test.sh builds.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine_env.sh

native=$(realpath -m "${1:-build/test}")
windows=$PWD/build/windows-x86_64
work=$PWD/build/windows-sim

if ! wine_available || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "test_windows_sim.sh: needs wine64 and MinGW-w64 for x86_64 (scripts/install_deps.sh)" >&2
  exit 1
fi

if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$native" -j2 --target velomark velomark-sim velomark_sim_tests
cmake -S . -B "$windows" --no-warn-unused-cli \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVELOMARK_BUILD_TESTS=OFF >/dev/null
cmake --build "$windows" -j2

native_sim=$native/sim/velomark-sim
native_module=$native/velomark.so
windows_sim=$windows/sim/velomark-sim.exe
windows_module=$windows/Velomark.sf

# The cases: every scenario the simulator's tests play, and the radar at 0 and -0.
rm -rf "$work"
mkdir -p "$work/cases"
if ! VELOMARK_SIM_CASES=$work/cases "$native/tests/sim/velomark_sim_tests" \
  >"$work/native-tests.log" 2>&1; then
  cat "$work/native-tests.log" >&2
  echo "test_windows_sim.sh: the native simulator tests failed" >&2
  exit 1
fi
radar=$work/cases/RadarMovedToZero
mkdir -p "$radar"
cp -R assets "$radar/game"
sed -i -e '/^\[Radar\]/,/^\[/ { s/^fX=.*/fX=0/; s/^fY=.*/fY=-0/ }' \
  "$radar/game/SAMPFUNCS/Velomark/Velomark.ini"
echo '{ "steps": [ { "mainLoop": 2, "present": 1 } ] }' >"$radar/scenario.json"

# Cases that must be among them, so that a change to the tests cannot drop them unnoticed.
required=(
  GoldenTraceTest.DemoTraceMatchesTheGoldenTrace
  ScenarioPlayTest.BadSettingIsNamedOnceAndThePlugInStaysInert
  ScenarioPlayTest.MissingTextureLoadsAsNullWithAWarning
  Cases_RadarBarExampleTest.DrawsTheBoxesOfTheCase_HealthAndArmour
  WidgetExampleTest.MoneyBalance1250WithChangePlus300
  WidgetExampleTest.MoneyIndicatorOutlivesExactly4000MsAcrossTheTickWrap
  WidgetExampleTest.AmmoReserve120AndClip30
  Cases_CrosshairExampleTest.DrawsTheTextureOfTheCase_ReloadingAssault
  WidgetExampleTest.StarsAt800WideStand16PixelsApart
)
for name in "${required[@]}"; do
  if [ ! -d "$work/cases/$name" ]; then
    echo "test_windows_sim.sh: the simulator tests no longer play the case $name" >&2
    exit 1
  fi
done

# Moves the WriteMemory lines of each main-loop call to the end of that call's lines, in address
# order (the addresses are written with eight hex digits, so text order is address order).
store_order_awk='
function flush(   i, j, line) {
  for (i = 2; i <= stores; i++) {
    line = store[i]
    for (j = i - 1; j >= 1 && store[j] > line; j--) store[j + 1] = store[j]
    store[j + 1] = line
  }
  for (i = 1; i <= stores; i++) print store[i]
  stores = 0
}
$0 == "MainLoop" || $0 == "Present" { flush(); inMainLoop = $0 == "MainLoop" }
inMainLoop && /^WriteMemory / { store[++stores] = $0; next }
{ print }
END { flush() }
'

start_wine windows-sim
failures=0
cases=0
for case in "$work"/cases/*/; do
  case=${case%/}
  name=$(basename "$case")
  cases=$((cases + 1))
  cd "$case"
  if ! "$native_sim" --game-dir game --scenario scenario.json --module "$native_module" \
    --trace native.trace --out native-out >native.out 2>native.err; then
    echo "test_windows_sim.sh: $name: the native run failed:" >&2
    cat native.err >&2
    failures=$((failures + 1))
  elif ! "$wine" "$windows_sim" --game-dir game --scenario scenario.json \
    --module "$windows_module" --trace windows.trace </dev/null >windows.out 2>windows.err; then
    echo "test_windows_sim.sh: $name: the Windows run failed:" >&2
    cat windows.err >&2
    failures=$((failures + 1))
  else
    awk "$store_order_awk" native.trace >native-stores-at-call-end.trace
    if ! diff -u --label "$name (native, stores at the end of their call)" \
      --label "$name (Windows)" native-stores-at-call-end.trace windows.trace; then
      failures=$((failures + 1))
    fi
  fi
  cd - >/dev/null
done

# The stores of the bits of 0 and -0 are seen under Windows too.
for store in 'WriteMemory 0x00858A10 0x00000000' 'WriteMemory 0x00866B70 0x80000000'; do
  if ! grep -qx "$store" "$radar/windows.trace" 2>/dev/null; then
    echo "test_windows_sim.sh: RadarMovedToZero: no '$store' in the Windows trace" >&2
    failures=$((failures + 1))
  fi
done

# The settings check reads natively through our profile reader and on Windows through Windows'
# own: the same problems either way, for every case's settings and for a file full of them.
broken=$work/cases/BrokenSettings/game/SAMPFUNCS/Velomark
mkdir -p "$broken"
printf '%s\r\n' 'stray=1' '[Components]' 'bRadarBar=True' ' bMoney = true ' 'bMony=true' \
  '; bAmmo=true' 'bAmmo' '[Radar]' 'fX=abc' 'fY="12px"' '[RadarBar]' 'fX=1e39' 'fY=nan' \
  'fWidth=1' 'fWidth=2' 'iHealthColorA=300' 'iHealthColorR=-' '[Monney]' 'fX=1' '[Radar]' \
  'fX=1' >"$broken/Velomark.ini"
checks=0
for case in "$work"/cases/*/; do
  cd "$case"
  native_status=0
  windows_status=0
  "$native_sim" --check --game-dir game >native.check 2>&1 || native_status=$?
  "$wine" "$windows_sim" --check --game-dir game </dev/null >windows.check-crlf 2>&1 ||
    windows_status=$?
  tr -d '\r' <windows.check-crlf >windows.check
  checks=$((checks + 1))
  if ! diff -u --label "$(basename "$case") --check (native, status $native_status)" \
    --label "$(basename "$case") --check (Windows, status $windows_status)" \
    native.check windows.check || [ "$native_status" -ne "$windows_status" ]; then
    failures=$((failures + 1))
  fi
  cd - >/dev/null
done
if ! grep -q 'Velomark.ini:9: Radar.fX: invalid stof argument (value "abc")' \
  "$work/cases/BrokenSettings/windows.check"; then
  echo "test_windows_sim.sh: BrokenSettings: the Windows check missed Radar.fX" >&2
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "test_windows_sim.sh: $failures failures in $cases scenarios and $checks settings" \
    "checks; the runs are in" \
    "$work/cases" >&2
  exit 1
fi
echo "test_windows_sim.sh: $cases scenarios gave the same trace natively and under wine64," \
  "$checks settings checks the same problems"
