#!/usr/bin/env bash
# Builds the plug-in for 32-bit Windows with MinGW-w64, checks the DLL's headers and packs what a
# player installs: build/windows-i686/Velomark.zip, to be unzipped into the game's folder.
# Fails on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/windows-i686
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVELOMARK_BUILD_TESTS=OFF -DVELOMARK_BUILD_SIM=OFF
# The plug-in, and the simulated host's SAMPFUNCS.dll whose import library it links against.
cmake --build "$build" -j2 --target velomark

scripts/check_dll.sh "$build/Velomark.sf"

# The package: the plug-in beside the host framework's other plug-ins, and its own folder with
# the settings file and the textures.
package=$build/package
rm -rf "$package" "$build/Velomark.zip"
mkdir -p "$package/SAMPFUNCS"
cp "$build/Velomark.sf" "$package/SAMPFUNCS/"
cp -R assets/SAMPFUNCS/Velomark "$package/SAMPFUNCS/"
(cd "$package" && zip -q -r -X ../Velomark.zip SAMPFUNCS)

expected=$(
  printf '%s\n' SAMPFUNCS/Velomark.sf SAMPFUNCS/Velomark/Velomark.ini \
    SAMPFUNCS/Velomark/star/star.png
  for name in pistol shotgun smg assault; do echo "SAMPFUNCS/Velomark/crosshairs/$name.png"; done
  for name in 0 1 2 3 4 5 6 7 8 9 dollar + -; do
    echo "SAMPFUNCS/Velomark/characters/$name.png"
  done
)
actual=$(unzip -Z1 "$build/Velomark.zip" | grep -v '/$')
if ! diff <(sort <<<"$expected") <(sort <<<"$actual"); then
  echo "build_windows.sh: $build/Velomark.zip does not hold exactly the plug-in, its settings" \
    "file and its 18 textures (diff above: < expected, > packed)" >&2
  exit 1
fi
echo "build_windows.sh: $build/Velomark.zip holds $(wc -l <<<"$actual") files:" \
  "SAMPFUNCS/Velomark.sf, the settings file and the 18 textures"
