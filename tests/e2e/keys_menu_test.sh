#!/usr/bin/env bash
# End to end: the real program driven with the keyboard and the mouse. Alt+4 and the context
# menu's mnemonics change the ring count, the menu's "Toujours au premier plan" the topmost
# setting, its last item and Ctrl+T open the tools window, Enter leaves the window open, Ctrl+C
# puts the resistance value on the clipboard and Escape closes the program; the registry shows
# the changes afterwards. The open context menu is saved in both looks, and the tools window.
# The program's key is put back as it was found.
# The quiz is expected beside the program.
# Usage: keys_menu_test.sh SOURCE_DIR EXE OUT_DIR
set -euo pipefail
src=$1 exe=$2 out=$3
. "$src/tools/lib/wine.sh"
key='HKLM\Software\Apps QZN\Vantrel\Version 2.0'
mkdir -p "$out"
backup="$out/keys-program-key.reg"
rm -f "$backup"
vantrel_wine reg export "$key" "$backup" /y >/dev/null 2>&1 || true
pid=""
restore() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    vantrel_wine reg delete "$key" /f >/dev/null 2>&1 || true
    if [ -f "$backup" ]; then vantrel_wine reg import "$backup" >/dev/null 2>&1; fi
}
trap restore EXIT
fail() {
    echo "keys and menus: $*" >&2
    exit 1
}

store() { vantrel_wine reg add "$key\\$1" /v "$2" /d "$3" /f >/dev/null; }
stored() {
    vantrel_wine reg query "$key\\$1" /v "$2" | tr -d '\r' | iconv -f CP437 -t UTF-8 |
        awk -F '    ' -v name="$2" '$2 == name { print $4 }'
}

# Starts the program and waits for its window: sets $pid, $window and its geometry.
start() {
    vantrel_wine "$exe" &
    pid=$!
    window=""
    for _ in $(seq 1 150); do
        window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no Vantrel window"
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Right-click on the resistor, then a picture of the screen round the menu.
open_menu() {
    xdotool mousemove $((X + 60)) $((Y + 80)) click 3
    sleep 0.6
    import -window root -crop 560x340+$((X + 40))+$((Y + 60)) "$out/$1"
}

alive() { kill -0 "$pid" 2>/dev/null; }

# The visible window of that exact title, after up to 10 s; nothing when none came.
wait_window() {
    for _ in $(seq 1 50); do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.2
    done
}

# Escape closes the tools window alone.
close_tools() {
    xdotool key Escape
    for _ in $(seq 1 50); do
        xdotool search --onlyvisible --name '^Outils de calcul$' >/dev/null 2>&1 || break
        sleep 0.2
    done
    xdotool search --onlyvisible --name '^Outils de calcul$' >/dev/null 2>&1 && fail "Escape left the tools window open"
    alive || fail "Escape in the tools window closed the program"
}

store 'Générale' 'Premier demarrage' 0
store 'Générale' 'Nombre bandes' 2
store 'Interface' 'Premier plan' 0
# The mnemonics typed below are the French menu's: no language library may be in force.
store 'Interface' 'Langue' ''
store 'Interface' 'Style affichage' 0
start
xdotool key alt+4
sleep 0.3
open_menu context-menu-xp.png
xdotool key n 5 # "&Nombre d'anneaux", then "&5 anneaux"
sleep 0.5
open_menu context-menu-xp-again.png
xdotool key t # "&Toujours au premier plan"
sleep 0.5
# The menu's last item, "Outils de &calcul...", and then Ctrl+T open the tools window.
open_menu context-menu-tools.png
xdotool key Up Return
tools=$(wait_window 'Outils de calcul')
[ -n "$tools" ] || fail "the menu's last item did not open the tools window"
sleep 0.5
import -window "$tools" "$out/tools-window.png"
close_tools
xdotool key ctrl+t
[ -n "$(wait_window 'Outils de calcul')" ] || fail "Ctrl+T did not open the tools window"
close_tools
xdotool key Return
sleep 0.5
alive || fail "Enter closed the program"
xdotool key ctrl+c
sleep 0.5
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
case "$copied" in *Ohms*) ;; *) fail "Ctrl+C copied '$copied', not the resistance value" ;; esac
xdotool key Escape
for _ in $(seq 1 50); do alive || break; sleep 0.2; done
alive && fail "Escape did not close the program"
wait "$pid" || true
pid=""
[ "$(stored 'Générale' 'Nombre bandes')" = 1 ] || fail "the menu's '&5 anneaux' did not stick"
[ "$(stored 'Interface' 'Premier plan')" = 1 ] || fail "the menu's topmost toggle did not stick"

# The classic look: the same menu, drawn with the system's colours; its "&Questionnaire" starts
# quiz.exe from the program's folder.
store 'Interface' 'Style affichage' 1
start
open_menu context-menu-classic.png
xdotool key q
quiz=""
for _ in $(seq 1 50); do
    quiz=$(xdotool search --onlyvisible --name '^Questionnaire sur le code des couleurs$' 2>/dev/null | head -n 1 || true)
    [ -n "$quiz" ] && break
    sleep 0.2
done
[ -n "$quiz" ] || fail "the menu's quiz item did not start quiz.exe"
eval "$(xdotool getwindowgeometry --shell "$quiz")"
xdotool mousemove $((X + WIDTH - 30)) $((Y + 60)) click 1
sleep 0.3
xdotool key Escape
for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Questionnaire sur le code des couleurs$' >/dev/null 2>&1 || break
    sleep 0.2
done
alive || fail "closing the quiz closed the program"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 80)) click 1
sleep 0.3
xdotool key Escape
for _ in $(seq 1 50); do alive || break; sleep 0.2; done
alive && fail "Escape did not close the program"
wait "$pid" || true
pid=""
echo "keys and menus: ok; menus in $out/context-menu-xp.png and $out/context-menu-classic.png"
