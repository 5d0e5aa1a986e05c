#!/usr/bin/env bash
# End to end: quiz.exe starts with a seed on the command line and shows its window at the
# template's size; a value typed and Enter answer the question without closing it, Enter again
# goes on, and Escape ends the program with exit code 0.
# Usage: quiz_test.sh SOURCE_DIR EXE OUT_DIR
set -euo pipefail
src=$1 exe=$2 out=$3
. "$src/tools/lib/wine.sh"
mkdir -p "$out"
fail() {
    echo "quiz: $*" >&2
    exit 1
}

vantrel_wine "$exe" /seed:3 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name '^Questionnaire sur le code des couleurs$' 2>/dev/null |
             head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "quiz.exe ended before showing its window"
    sleep 0.2
done
[ -n "$window" ] || fail "no quiz window after 30 s"
sleep 1
import -window "$window" "$out/quiz-window.png"
read -r width height <<<"$(identify -format '%w %h' "$out/quiz-window.png")"
echo "quiz window: ${width}x${height}"
# 270 x 252 dialog units with an 8-point Tahoma, plus Wine's frame: taller than wide.
[ "$width" -gt 380 ] && [ "$height" -gt "$width" ] || fail "unexpected window size ${width}x${height}"

# Keys go through the X server to the window that has the focus, as a keyboard's do (keys sent
# to a window directly reach later Wine processes too): a click on the score gives it the focus,
# which the dialog hands back to the value box, where it started.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 30)) $((Y + 60)) click 1
sleep 0.3
xdotool type "4k7"
xdotool key Return
sleep 0.5
xdotool key Return
sleep 0.5
import -window "$window" "$out/quiz-second-question.png"
kill -0 "$pid" 2>/dev/null || fail "Enter ended the program"
xdotool key Escape
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end the program"
trap - EXIT
wait "$pid" || fail "quiz.exe ended with exit code $?"
echo "quiz: started, answered by keyboard, closed with Escape"
