#!/usr/bin/env bash
# Takes the README's pictures of the main window again, from the program as built: both
# orientations in both looks, into docs/, showing a 4,7 kOhm resistor with six rings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh run
cmake --preset windows >/dev/null
cmake --build --preset windows --target Vantrel >/dev/null
mkdir -p docs
for layout in horizontal:1 vertical:0; do
    for look in xp:0 classique:1; do
        tools/screenshot.sh build/windows/bin/Vantrel.exe build/docs-prefix "docs/vantrel-${layout%%:*}-${look%%:*}.png" \
            --set Interface "Sens affichage" "${layout##*:}" --set Interface "Style affichage" "${look##*:}" \
            --set Interface "Afficher barre latérale" 1 --set Interface Transparence 100 \
            --set Générale "Nombre bandes" 2 --set "Dernier état" "Bande 1" 5 --set "Dernier état" "Bande 2" 8 \
            --set "Dernier état" "Bande 3" 1 --set "Dernier état" "Bande 4" 4
    done
done
