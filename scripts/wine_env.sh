# Sourced by the scripts that run Windows programs under wine64: a wine prefix of the calling
# script's own, and one wine server for all its runs, stopped when the script exits.
#
#   . scripts/wine_env.sh
#   if wine_available; then start_wine NAME; "$wine" program.exe ...; fi

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

wine_available() { [ -x "$wine" ] && [ -x "$wineserver" ]; }

# start_wine NAME: the prefix is ${TMPDIR:-/tmp}/velomark-NAME-wine-UID, so that stopping its
# server at the end stops no one else's. The server is started without a hold on the script's
# output: a server that a run starts itself keeps that run's output open until it exits, and
# whoever reads that output waits for it.
start_wine() {
  export WINEPREFIX="${TMPDIR:-/tmp}/velomark-$1-wine-$(id -u)" WINEDEBUG=-all
  trap '"$wineserver" -k 2>/dev/null || true' EXIT
  { "$wineserver" -p || true; "$wine" wineboot --init; } </dev/null >/dev/null 2>&1
}
