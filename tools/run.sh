#!/usr/bin/env bash
# Builds Vantrel.exe with what it opens beside it (the quiz, the help file, the English library)
# and starts it under Wine on this display; without a display, shows it on a
# virtual one, saves a screenshot of the main window, prints the PNG's path and closes it.
# Extra arguments go to the screenshot tool (e.g. --set Interface "Sens affichage" 0).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh run
cmake --preset windows >/dev/null
cmake --build --preset windows --target Vantrel quiz vantrel_help langue_en -j"$(nproc)"
exe="$root/build/windows/bin/Vantrel.exe"
prefix="$root/build/run-prefix"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    . tools/lib/wine.sh
    tools/wine-prefix.sh "$prefix"
    vantrel_wine_env "$prefix"
    exec "$VANTREL_WINE64" "$exe"
fi
mkdir -p build/screenshots
tools/screenshot.sh "$exe" "$prefix" "build/screenshots/vantrel-$(date +%Y%m%d-%H%M%S).png" "$@"
