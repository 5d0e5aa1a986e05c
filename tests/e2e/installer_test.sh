#!/usr/bin/env bash
# End to end, in a fresh prefix: "Vantrel-setup.exe /S" installs every file, the Start-menu
# shortcuts and an Add/Remove Programs entry that matches the program's version resource; the
# installed program and quiz start and close; the registered silent uninstaller removes all of it
# but the user's settings, which only /REMOVESETTINGS removes.
# Usage: installer_test.sh SOURCE_DIR SETUP BIN_DIR PREFIX
set -euo pipefail
src=$1 setup=$2 bin=$3 prefix=$(realpath -m "$4")
. "$src/tools/lib/wine.sh"
fail() {
    echo "installer: $*" >&2
    exit 1
}
bytes=$(stat -c %s "$setup")
echo "installer: $(basename "$setup") is $bytes bytes ($(((bytes + 1023) / 1024)) KiB)"

folder_win='C:\Program Files\Apps QZN\Vantrel'
folder="$prefix/drive_c/Program Files/Apps QZN/Vantrel"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
settings='Software\Apps QZN\Vantrel\Version 2.0\Interface'

rm -rf "$prefix"
"$src/tools/wine-prefix.sh" "$prefix" --unattended >/dev/null
vantrel_wine_env "$prefix"
# No persistent server in this prefix, so that "wineserver -w" waits for every process in it:
# the uninstaller hands over to a copy of itself and returns at once.
trap 'vantrel_wineserver -k >/dev/null 2>&1 || true' EXIT

reg_value() { # KEY NAME
    vantrel_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -F '    ' '/^    / { print $4 }'
}
has_key() { vantrel_wine reg query "$1" >/dev/null 2>&1; }
install() { vantrel_wine "$setup" /S || fail "'$(basename "$setup") /S' ended with exit code $?"; }
uninstall() { # runs QuietUninstallString with extra switches
    local command
    command=$(reg_value "$entry" QuietUninstallString)
    [[ "$command" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "QuietUninstallString is '$command'"
    # shellcheck disable=SC2086 # the registered switches are words
    vantrel_wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} "$@" || fail "'$command $*' ended with exit code $?"
    vantrel_wineserver -w
}

# A shortcut's target: the local base path and common suffix of its link information.
link_target() {
    /usr/bin/python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
pos = 0x4C + (2 + struct.unpack_from("<H", data, 0x4C)[0] if flags & 1 else 0)
assert flags & 2, "no link information"
_, _, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, pos)
text = lambda at: data[pos + at:data.index(b"\0", pos + at)].decode("cp1252")
print(text(base) + text(suffix) if info_flags & 1 else "")
PY
}

# Starts a program, waits for its window and closes it with the close box that Wine draws (no
# window manager) at the top right.
start_and_close() { # EXE TITLE
    vantrel_wine "$1" &
    local pid=$! window=""
    for _ in $(seq 1 150); do
        window=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || fail "$1 ended before showing its window"
        sleep 0.2
    done
    [ -n "$window" ] || { kill "$pid"; fail "no window '$2' after 30 s"; }
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" $((WIDTH - 13)) 12 click 1
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the close box did not end $1"; }
    wait "$pid" || fail "$1 ended with exit code $?"
    echo "installer: the installed $(basename "$1") showed '$2' and closed"
}

install

expected="Uninstall.exe Vantrel.chm Vantrel.exe quiz.exe"
[ -f "$bin/langue_en.dll" ] && expected="$expected langue_en.dll"
expected=$(tr ' ' '\n' <<<"$expected" | LC_ALL=C sort | xargs)
actual=$(ls -A "$folder" 2>/dev/null | LC_ALL=C sort | xargs)
[ "$actual" = "$expected" ] || fail "the program folder holds '$actual', not '$expected'"
for file in Vantrel.chm langue_en.dll; do
    [ ! -f "$bin/$file" ] || cmp -s "$bin/$file" "$folder/$file" || fail "the installed $file is not the one built"
done
echo "installer: $actual in $folder_win"

links=$(for link in "$menu"/*.lnk; do echo "$(basename "$link") -> $(link_target "$link")"; done)
expected_links="Aide de Vantrel.lnk -> $folder_win\\Vantrel.chm
Questionnaire sur le code des couleurs.lnk -> $folder_win\\quiz.exe
Vantrel.lnk -> $folder_win\\Vantrel.exe"
[ "$links" = "$expected_links" ] || fail "the Start-menu shortcuts are:"$'\n'"$links"
echo "installer: 3 shortcuts in the common Start menu's Vantrel folder"

# The entry shows the version and maker of the version resource, and the installed size in KiB.
rc=$(tr -d '\r' <"$src/src/res/vantrel.rc")
version=$(sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' <<<"$rc")
publisher=$(sed -nE 's/^ *VALUE "CompanyName", "(.*)"$/\1/p' <<<"$rc")
for check in "DisplayName=Vantrel" "DisplayVersion=$version" "Publisher=$publisher" \
    "InstallLocation=$folder_win" "DisplayIcon=$folder_win\\Vantrel.exe,0" \
    "UninstallString=\"$folder_win\\Uninstall.exe\"" NoModify=0x1 NoRepair=0x1; do
    value=$(reg_value "$entry" "${check%%=*}")
    [ "$value" = "${check#*=}" ] || fail "${check%%=*} is '$value', not '${check#*=}'"
done
kib=$(($(du -cb "$folder"/* | tail -n 1 | cut -f 1) / 1024))
estimated=$(($(reg_value "$entry" EstimatedSize)))
[ $((estimated - kib)) -le 4 ] && [ $((kib - estimated)) -le 4 ] ||
    fail "EstimatedSize is $estimated KiB for $kib KiB installed"
echo "installer: Add/Remove Programs shows Vantrel $version by $publisher, $estimated KiB"

start_and_close "$(vantrel_wine winepath -u "$(link_target "$menu/Vantrel.lnk")")" Vantrel
start_and_close "$folder/quiz.exe" 'Questionnaire sur le code des couleurs'

for hive in HKLM HKCU; do
    vantrel_wine reg add "$hive\\$settings" /v Transparence /d 80 /f >/dev/null
done
uninstall
[ ! -e "$folder" ] || fail "the program folder still holds: $(ls -A "$folder" | tr '\n' ' ')"
[ ! -e "$(dirname "$folder")" ] || fail "the empty Apps QZN folder is still there"
[ ! -e "$menu" ] || fail "the Start-menu folder still holds: $(ls -A "$menu" | tr '\n' ' ')"
! has_key "$entry" || fail "the Add/Remove Programs entry is still there"
for hive in HKLM HKCU; do
    [ "$(reg_value "$hive\\$settings" Transparence)" = 80 ] || fail "the uninstall lost the settings below $hive"
done
echo "installer: the silent uninstall removed files, folders, shortcuts and entry, and kept the settings"

install
uninstall /REMOVESETTINGS
[ ! -e "$folder" ] && [ ! -e "$menu" ] && ! has_key "$entry" || fail "/REMOVESETTINGS left part of the installation"
for hive in HKLM HKCU; do
    ! has_key "$hive\\Software\\Apps QZN" || fail "/REMOVESETTINGS left $hive\\Software\\Apps QZN"
done
echo "installer: the uninstall with /REMOVESETTINGS removed the settings too"

vantrel_wineserver -k >/dev/null 2>&1 || true
trap - EXIT
rm -rf "$prefix"
