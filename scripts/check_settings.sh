#!/usr/bin/env bash
# Checks a game folder's SAMPFUNCS/Velomark/Velomark.ini as the plug-in reads it and lists every
# problem with its line; exits 0 with "settings OK" when there is none. Run it before starting
# the game:
#   scripts/check_settings.sh ~/my-game      (default: the bundled assets/)
set -euo pipefail
game_dir=$(realpath "${1:-$(dirname "$0")/../assets}")
cd "$(dirname "$0")/.."

scripts/build_sim.sh
exec build/release/sim/velomark-sim --check --game-dir "$game_dir"
