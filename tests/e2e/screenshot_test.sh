#!/usr/bin/env bash
# End to end: the program starts, shows its main window at the template's size, and closes
# with its close box (the screenshot tool fails otherwise).
# Usage: screenshot_test.sh SOURCE_DIR EXE OUT_DIR
set -euo pipefail
src=$1 exe=$2 out=$3
png=$("$src/tools/screenshot.sh" "$exe" "$WINEPREFIX" "$out/main-window.png")
size=$(identify -format '%w %h' "$png")
read -r width height <<<"$size"
echo "main window: ${width}x${height}"
# 348 x 182 dialog units with an 8-point Tahoma, plus Wine's frame: far wider than tall.
[ "$width" -gt 400 ] && [ "$height" -gt 200 ] && [ "$width" -gt "$height" ]
