#!/usr/bin/env bash
# Creates a private Wine prefix for Vantrel when it is missing: fonts, a Symbol face that draws
# the ohm sign, Wine-drawn window frames, and optionally the first-run question already answered.
# Usage: wine-prefix.sh PREFIX [--unattended]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/wine.sh"

prefix=$(realpath -m "$1")
unattended=${2:-}
stamp="$prefix/.vantrel-ready"
[ -f "$stamp" ] && exit 0

rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
vantrel_wine_env "$prefix"
echo "Creating the Wine prefix $prefix (once; about 20 s)..."
vantrel_wine wineboot -i >/dev/null 2>&1
vantrel_wineserver -w

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/* "$fonts/"
# Wine's own Symbol is Unicode-mapped and draws boxes; the program needs the classic symbol
# encoding, where "W" is the Omega.
rm -f "$fonts/symbol.ttf"
/usr/bin/python3 "$here/make_symbol_font.py" \
    /usr/share/fonts/opentype/urw-base35/StandardSymbolsPS.otf "$fonts/symbol.otf"

# Without a window manager on Xvfb, Wine must draw captions itself (and closes windows at once).
vantrel_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
if [ "$unattended" = --unattended ]; then
    vantrel_wine reg add 'HKLM\Software\Apps QZN\Vantrel\Version 2.0\Générale' \
        /v 'Premier demarrage' /d 0 /f >/dev/null
fi
vantrel_wineserver -w
touch "$stamp"
