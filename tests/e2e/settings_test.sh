#!/usr/bin/env bash
# End to end: the settings the program leaves in the registry, read from outside with Wine's reg
# tool; the layout a stored orientation opens; the default look on a system with visual styles.
# The program's key is put back as it was found.
# Usage: settings_test.sh SOURCE_DIR EXE OUT_DIR
set -euo pipefail
src=$1 exe=$2 out=$3
. "$src/tools/lib/wine.sh"
key='HKLM\Software\Apps QZN\Vantrel\Version 2.0'
app_defaults='HKCU\Software\Wine\AppDefaults\Vantrel.exe'
mkdir -p "$out"

backup="$out/program-key.reg"
rm -f "$backup"
vantrel_wine reg export "$key" "$backup" /y >/dev/null 2>&1 || true
restore() {
    vantrel_wine reg delete "$app_defaults" /f >/dev/null 2>&1 || true
    vantrel_wine reg delete "$key" /f >/dev/null 2>&1 || true
    if [ -f "$backup" ]; then vantrel_wine reg import "$backup" >/dev/null 2>&1; fi
}
trap restore EXIT

fail() {
    echo "settings: $*" >&2
    exit 1
}

# Every value of the three sub keys as "sub key|name|type|text", in UTF-8.
stored_values() {
    local sub
    for sub in 'Générale' 'Interface' 'Dernier état' 'Outils'; do
        vantrel_wine reg query "$key\\$sub" | tr -d '\r' | iconv -f CP437 -t UTF-8 |
            awk -F '    ' -v subkey="$sub" '/^    / { print subkey "|" $2 "|" $3 "|" $4 }'
    done | LC_ALL=C sort
}

# The first start in a key holding only the first-run answer, as a fresh test prefix has it.
# Wine reports Windows 7, outside the version table: the classic look is the default.
vantrel_wine reg delete "$key" /f >/dev/null 2>&1 || true
png=$("$src/tools/screenshot.sh" "$exe" "$WINEPREFIX" "$out/settings-first.png" \
    --set 'Générale' 'Premier demarrage' 0)
read -r first_width first_height <<<"$(identify -format '%w %h' "$png")"
expected=$(LC_ALL=C sort <<'VALUES'
Générale|Premier demarrage|REG_SZ|0
Générale|Nombre bandes|REG_SZ|2
Générale|Utiliser série n°0|REG_SZ|0
Générale|Utiliser série n°1|REG_SZ|1
Générale|Utiliser série n°2|REG_SZ|1
Générale|Utiliser série n°3|REG_SZ|1
Générale|Utiliser série n°4|REG_SZ|0
Générale|Utiliser série n°5|REG_SZ|0
Générale|Utiliser série n°6|REG_SZ|0
Interface|Utiliser dégradé|REG_SZ|1
Interface|Premier plan|REG_SZ|0
Interface|Afficher barre latérale|REG_SZ|1
Interface|Style affichage|REG_SZ|1
Interface|Sens affichage|REG_SZ|1
Interface|Image fond|REG_SZ|Défaut
Interface|Langue|REG_SZ|
Interface|Transparence|REG_SZ|100
Dernier état|Bande 1|REG_SZ|1
Dernier état|Bande 2|REG_SZ|1
Dernier état|Bande 3|REG_SZ|1
Dernier état|Bande 4|REG_SZ|1
Dernier état|Bande 5|REG_SZ|1
Dernier état|Bande 6|REG_SZ|1
Dernier état|Groupe 1|REG_SZ|1
Dernier état|Groupe 2|REG_SZ|1
Dernier état|Groupe 3|REG_SZ|1
Dernier état|Outils PosX|REG_SZ|-6500
Dernier état|Outils PosY|REG_SZ|-6500
Dernier état|Outils page|REG_SZ|0
Outils|Mon stock|REG_SZ|
Outils|Etiquettes valeurs|REG_SZ|2
Outils|Etiquettes de|REG_SZ|10
Outils|Etiquettes a|REG_SZ|1M
Outils|Etiquettes format|REG_SZ|0
Outils|Etiquettes largeur|REG_SZ|60
Outils|Etiquettes hauteur|REG_SZ|30
VALUES
)
# The window leaves its state: black rings (position 0 is below every selector's range) and
# the place it was centred at, which depends on the screen.
all=$(stored_values)
actual=$(grep -v -e '|PosX|' -e '|PosY|' <<<"$all")
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    fail "the registry after the first start differs from the defaults (- expected, + stored)"
fi
for name in PosX PosY; do
    pos=$(awk -F '|' -v n="$name" '$2 == n { print $4 }' <<<"$all")
    [[ "$pos" =~ ^-?[0-9]+$ ]] && [ "$pos" -gt -6500 ] || fail "$name after the first start is '$pos'"
done
echo "28 values stored: defaults, the rings' state and the window's place"

# A stored vertical orientation opens the vertical layout (289 x 228 dialog units), narrower and
# taller than the horizontal one (348 x 182) of the first start.
png=$("$src/tools/screenshot.sh" "$exe" "$WINEPREFIX" "$out/settings-vertical.png" \
    --set Interface 'Sens affichage' 0)
read -r width height <<<"$(identify -format '%w %h' "$png")"
echo "main window: ${first_width}x${first_height} horizontal, ${width}x${height} vertical"
[ "$width" -lt "$first_width" ] && [ "$height" -gt "$first_height" ] ||
    fail "'Sens affichage' 0 did not open the vertical layout"

# Reported as Windows XP with its visual styles in force, a first start picks their look.
vantrel_wine reg add "$app_defaults" /v Version /d winxp /f >/dev/null
vantrel_wine reg delete "$key\\Interface" /v 'Style affichage' /f >/dev/null
"$src/tools/screenshot.sh" "$exe" "$WINEPREFIX" "$out/settings-xp.png" >/dev/null
style=$(stored_values | awk -F '|' '$2 == "Style affichage" { print $4 }')
[ "$style" = 0 ] || fail "on Windows XP with visual styles the default style is '$style', not 0"
echo "Windows XP with visual styles: default style 0"
