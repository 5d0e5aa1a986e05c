#!/usr/bin/env bash
# Starts Vantrel.exe under a virtual display, waits for its main window, saves a PNG of it and
# closes the program with its close box. Settings can be stored before the start.
# Usage: screenshot.sh EXE PREFIX OUT.png [--set SUBKEY NAME TEXT]...
#   e.g. --set Interface "Sens affichage" 0
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VANTREL_IN_XVFB:-}" ]; then
    exec "$here/wine-session.sh" "$2" "$0" "$@"
fi
. "$here/lib/wine.sh"

exe=$(readlink -f "$1")
out=$(realpath -m "$3")
shift 3
key='HKLM\Software\Apps QZN\Vantrel\Version 2.0'
while [ $# -gt 0 ]; do
    [ "$1" = --set ] && [ $# -ge 4 ] || { echo "screenshot: expected --set SUBKEY NAME TEXT" >&2; exit 2; }
    vantrel_wine reg add "$key\\$2" /v "$3" /d "$4" /f >/dev/null
    shift 4
done

# The virtual display's pointer starts at its centre, over the centred window, where the
# tooltip of the control under it would come into the picture.
xdotool mousemove 0 0
vantrel_wine "$exe" &
pid=$!
window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "screenshot: Vantrel.exe ended before showing a window" >&2; exit 1; }
    sleep 0.2
done
[ -n "$window" ] || { echo "screenshot: no Vantrel window after 30 s" >&2; kill "$pid"; exit 1; }
sleep 1.5 # let every control paint
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"

# Wine draws the frame itself (no window manager): the close box sits at the top right.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH - 13)) 12 click 1
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "screenshot: the close box did not close the program" >&2
    kill "$pid"
    exit 1
fi
wait "$pid" || true
echo "$out"
