#!/usr/bin/env bash
# End to end, in a fresh prefix: "Vantrel-setup.exe /S" installs every component but the desktop
# shortcut, the companion tools and an Add/Remove Programs entry that matches the program's
# resources; the installed program and quiz start and close; the program's options page starts
# the repair tool, which puts back a deleted quiz and its shortcut and leaves the settings; the
# program's menu starts the update tool, which asks the shell for the download page with the
# version query; the silent uninstaller removes all of it but the settings. Then the installer's
# pages in French, finished with "Lancer Vantrel", and in English; a silent install of chosen
# components only, over the previous one, and its repair; and an uninstall with /REMOVESETTINGS.
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
desktop_link="$prefix/drive_c/users/Public/Desktop/Vantrel.lnk"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
settings='Software\Apps QZN\Vantrel\Version 2.0\Interface'
quiz_link="Questionnaire sur le code des couleurs.lnk"

rm -rf "$prefix"
"$src/tools/wine-prefix.sh" "$prefix" --unattended >/dev/null
# Shortcuts stay in the prefix: no menu entries or desktop files for the Linux desktop.
VANTREL_DLLOVERRIDES="${VANTREL_DLLOVERRIDES:+$VANTREL_DLLOVERRIDES;}winemenubuilder.exe=d"
vantrel_wine_env "$prefix"
# No persistent server in this prefix, so that "wineserver -w" waits for every process in it:
# the uninstaller hands over to a copy of itself and returns at once.
trap 'vantrel_wineserver -k >/dev/null 2>&1 || true' EXIT

# The browser Wine hands web addresses to: it writes them down.
browser="$prefix/browser.sh"
opened="$prefix/opened.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$opened" >"$browser"
chmod +x "$browser"
vantrel_wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f >/dev/null

reg_value() { # KEY NAME
    vantrel_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -F '    ' '/^    / { print $4 }'
}
has_key() { vantrel_wine reg query "$1" >/dev/null 2>&1; }
install() { # extra switches
    vantrel_wine "$setup" /S "$@" || fail "'$(basename "$setup") /S $*' ended with exit code $?"
}
uninstall() { # runs QuietUninstallString with extra switches
    local command
    command=$(reg_value "$entry" QuietUninstallString)
    [[ "$command" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "QuietUninstallString is '$command'"
    # shellcheck disable=SC2086 # the registered switches are words
    vantrel_wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} "$@" || fail "'$command $*' ended with exit code $?"
    vantrel_wineserver -w
}
files() { ls -A "$folder" 2>/dev/null | LC_ALL=C sort | xargs; }
sorted() { tr ' ' '\n' <<<"$*" | LC_ALL=C sort | xargs; }

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
menu_links() { for link in "$menu"/*.lnk; do echo "$(basename "$link") -> $(link_target "$link")"; done; }

# The visible window of that exact title, waited for up to 30 s; empty if none came.
find_window() { # TITLE
    local window=""
    for _ in $(seq 1 150); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.2
    done
    echo "$window"
}
gone() { # TITLE: waits up to 20 s for the window to go
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
# The close box that Wine draws (no window manager) at the top right.
click_close_box() { # WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((WIDTH - 13)) 12 click 1
}
end_of() { # PID NAME: waits for the process to end by itself
    for _ in $(seq 1 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$1" 2>/dev/null && { kill "$1"; fail "$2 did not end"; }
    wait "$1" || fail "$2 ended with exit code $?"
}

# Starts a program, waits for its window and closes it with its close box.
start_and_close() { # EXE TITLE
    vantrel_wine "$1" &
    local pid=$! window
    window=$(find_window "$2")
    [ -n "$window" ] || { kill "$pid"; fail "no window '$2' from $1"; }
    sleep 1
    click_close_box "$window"
    end_of "$pid" "$1"
    echo "installer: the installed $(basename "$1") showed '$2' and closed"
}

# The program's own texts, from its resource scripts.
rc=$(tr -d '\r' <"$src/src/res/vantrel.rc")
strings=$(tr -d '\r' <"$src/src/res/strings.rc")
version=$(sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' <<<"$rc")
short_version=$(sed -E 's/^([0-9]+\.[0-9]+)\.[0-9]+(\.[0-9]+)$/\1\2/' <<<"$version")
publisher=$(sed -nE 's/^ *VALUE "CompanyName", "(.*)"$/\1/p' <<<"$rc")
support=$(sed -nE 's/^ *IDS_SUPPORT_ADDRESS "(.*)"$/\1/p' <<<"$strings")
help_page=$(sed -nE 's/^ *IDS_HELP_FAILED .* (https:[^ ]+) .*/\1/p' <<<"$strings")
site=$(sed -nE 's/^ *LTEXT "(https:[^"]+)", IDC_ABOUT_LINK.*/\1/p' "$src/src/res/about.rc")
[ -n "$support" ] && [ -n "$help_page" ] && [ -n "$site" ] || fail "no support, help or site address in the resources"

install

every="QZNRepair.exe QZNUpdate.exe Uninstall.exe Vantrel.chm Vantrel.exe quiz.exe"
[ -f "$bin/langue_en.dll" ] && every="$every langue_en.dll"
[ "$(files)" = "$(sorted "$every")" ] || fail "the program folder holds '$(files)', not '$(sorted "$every")'"
for file in Vantrel.chm langue_en.dll; do
    [ ! -f "$bin/$file" ] || cmp -s "$bin/$file" "$folder/$file" || fail "the installed $file is not the one built"
done
cmp -s "$setup" "$folder/QZNRepair.exe" || fail "the repair tool is not the installer"
echo "installer: $(files) in $folder_win"

expected_links="Aide de Vantrel.lnk -> $folder_win\\Vantrel.chm
$quiz_link -> $folder_win\\quiz.exe
Vantrel.lnk -> $folder_win\\Vantrel.exe"
[ "$(menu_links)" = "$expected_links" ] || fail "the Start-menu shortcuts are:"$'\n'"$(menu_links)"
[ ! -e "$desktop_link" ] || fail "the silent install made the desktop shortcut"
echo "installer: 3 shortcuts in the common Start menu's Vantrel folder, none on the desktop"

# The entry shows the version and maker of the version resource, the program's addresses, and
# the installed size in KiB.
for check in "DisplayName=Vantrel" "DisplayVersion=$version" "Publisher=$publisher" \
    "InstallLocation=$folder_win" "DisplayIcon=$folder_win\\Vantrel.exe,0" \
    "UninstallString=\"$folder_win\\Uninstall.exe\"" NoModify=0x1 NoRepair=0x1 \
    "URLInfoAbout=$site" "HelpLink=$help_page" "Contact=$support"; do
    value=$(reg_value "$entry" "${check%%=*}")
    [ "$value" = "${check#*=}" ] || fail "${check%%=*} is '$value', not '${check#*=}'"
done
kib=$(($(du -cb "$folder"/* | tail -n 1 | cut -f 1) / 1024))
estimated=$(($(reg_value "$entry" EstimatedSize)))
[ $((estimated - kib)) -le 4 ] && [ $((kib - estimated)) -le 4 ] ||
    fail "EstimatedSize is $estimated KiB for $kib KiB installed"
echo "installer: Add/Remove Programs shows Vantrel $version by $publisher, $estimated KiB, $site, $help_page, $support"

for tool in QZNRepair QZNUpdate; do
    path=$(reg_value "HKLM\\Software\\Apps QZN\\$tool" Chemin)
    [ "$path" = "$folder_win\\$tool.exe" ] || fail "the $tool key's Chemin is '$path'"
done
echo "installer: the repair and update tools are registered where the program looks for them"

start_and_close "$(vantrel_wine winepath -u "$(link_target "$menu/Vantrel.lnk")")" Vantrel
start_and_close "$folder/quiz.exe" 'Questionnaire sur le code des couleurs'

# The repair tool, from the options page "Outils", while the program runs.
for hive in HKLM HKCU; do
    vantrel_wine reg add "$hive\\$settings" /v Transparence /d 80 /f >/dev/null
done
rm "$folder/quiz.exe" "$menu/$quiz_link"
vantrel_wine "$folder/Vantrel.exe" &
program=$!
window=$(find_window Vantrel)
[ -n "$window" ] || fail "no Vantrel window"
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 80)) click 3
sleep 0.6
xdotool key u # "A&utres options du programme..."
sheet=$(find_window 'Options de Vantrel')
[ -n "$sheet" ] || fail "the context menu did not open the options"
sleep 0.5
# The page "Outils", by its tab, the third (Wine's sheet takes no Ctrl+Tab from xdotool).
eval "$(xdotool getwindowgeometry --shell "$sheet")"
xdotool mousemove $((X + 152)) $((Y + 38)) click 1
sleep 0.5
xdotool key alt+r # "Lancer l'outil de &réparation"
# The installer speaks the system's language, here English; its pages add a blank to its title.
repair=$(find_window 'Vantrel Repair ?')
[ -n "$repair" ] || fail "the options page did not start the repair tool"
for _ in $(seq 1 100); do
    [ -f "$folder/quiz.exe" ] && [ -f "$menu/$quiz_link" ] && break
    sleep 0.2
done
[ "$(files)" = "$(sorted "$every")" ] || fail "after the repair the folder holds '$(files)'"
[ "$(menu_links)" = "$expected_links" ] || fail "after the repair the shortcuts are:"$'\n'"$(menu_links)"
sleep 1
xdotool key Return # "Finish" on the last page
gone 'Vantrel Repair ?' || fail "the repair tool's last page did not close it"
for hive in HKLM HKCU; do
    [ "$(reg_value "$hive\\$settings" Transparence)" = 80 ] || fail "the repair changed the settings below $hive"
done
echo "installer: the options page's repair tool put back the quiz and its shortcut, and kept the settings"

# The update tool, from the context menu.
xdotool key Escape # closes the options
gone 'Options de Vantrel' || fail "Escape did not close the options"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 80)) click 3
sleep 0.6
xdotool key m # "Vérifier les &mises à jour"
update=$(find_window 'Mise à jour en ligne de Vantrel')
[ -n "$update" ] || fail "the menu did not start the update tool"
rm -f "$opened"
xdotool key Return # "&Ouvrir la page de téléchargement"
gone 'Mise à jour en ligne de Vantrel' || fail "the update tool stayed open"
for _ in $(seq 1 50); do
    [ -s "$opened" ] && break
    sleep 0.2
done
page="https://www.vantrel.example/redirprog.php?url=vantrel_telechargement&ver=$short_version&prog=Vantrel"
[ "$(cat "$opened" 2>/dev/null)" = "$page" ] || fail "the update tool opened '$(cat "$opened" 2>/dev/null)', not '$page'"
echo "installer: the menu's update tool opened $page"
click_close_box "$window"
end_of "$program" Vantrel.exe

uninstall
[ ! -e "$folder" ] || fail "the program folder still holds: $(files)"
[ ! -e "$(dirname "$folder")" ] || fail "the empty Apps QZN folder is still there"
[ ! -e "$menu" ] || fail "the Start-menu folder still holds: $(ls -A "$menu" | tr '\n' ' ')"
! has_key "$entry" || fail "the Add/Remove Programs entry is still there"
for tool in QZNRepair QZNUpdate; do
    ! has_key "HKLM\\Software\\Apps QZN\\$tool" || fail "the $tool key is still there"
done
for hive in HKLM HKCU; do
    [ "$(reg_value "$hive\\$settings" Transparence)" = 80 ] || fail "the uninstall lost the settings below $hive"
done
echo "installer: the silent uninstall removed files, folders, shortcuts, tools' keys and entry, and kept the settings"

# The pages, in the system's language: English here, then French, through to "Lancer Vantrel".
vantrel_wine "$setup" &
pages=$!
[ -n "$(find_window 'Vantrel Setup ?')" ] || fail "no English installer window 'Vantrel Setup'"
sleep 1
xdotool key Escape # "Cancel", then "Yes" to the question whether to quit
sleep 1
xdotool key Return
for _ in $(seq 1 50); do
    kill -0 "$pages" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pages" 2>/dev/null && fail "the English installer did not quit"
wait "$pages" || true # a cancelled installation ends with an error code
# Wine takes the language from LC_ALL even where the system has no such locale (bash says so).
LC_ALL=fr_FR.UTF-8 vantrel_wine "$setup" 2>/dev/null &
pages=$!
installer=$(find_window 'Installation de Vantrel ?')
[ -n "$installer" ] || fail "no French installer window 'Installation de Vantrel'"
sleep 1
# Welcome, components (as they come), folder; the last starts the installation.
for _ in 1 2 3; do
    xdotool key Return
    sleep 1
done
for _ in $(seq 1 100); do
    [ -f "$folder/Uninstall.exe" ] && has_key "$entry" && [ -n "$(reg_value "$entry" EstimatedSize)" ] && break
    sleep 0.2
done
sleep 1
xdotool key Return # "Fermer", with "Lancer Vantrel" ticked
end_of "$pages" "the French installer"
window=$(find_window Vantrel)
[ -n "$window" ] || fail "the finish page's 'Lancer Vantrel' did not start the program"
sleep 1
click_close_box "$window"
gone Vantrel || fail "the program started by the installer did not close"
[ "$(files)" = "$(sorted "$every")" ] || fail "the installer's pages installed '$(files)'"
echo "installer: the pages speak English and French, and the French finish page started Vantrel"

# Chosen components over that installation: what is left out goes, and the repair keeps to them.
install /COMPONENTS=desktop
[ "$(files)" = "$(sorted QZNRepair.exe QZNUpdate.exe Uninstall.exe Vantrel.exe)" ] ||
    fail "/COMPONENTS=desktop left '$(files)'"
[ ! -e "$menu" ] || fail "/COMPONENTS=desktop left the Start-menu folder"
[ "$(link_target "$desktop_link")" = "$folder_win\\Vantrel.exe" ] || fail "no desktop shortcut to the program"
[ "$(reg_value "$entry" Components)" = desktop ] || fail "the entry records '$(reg_value "$entry" Components)'"
rm "$desktop_link" "$folder/QZNUpdate.exe"
vantrel_wine "$folder/QZNRepair.exe" /CONFIG:Vantrel /S || fail "the silent repair ended with exit code $?"
[ "$(files)" = "$(sorted QZNRepair.exe QZNUpdate.exe Uninstall.exe Vantrel.exe)" ] ||
    fail "the repair of the chosen components left '$(files)'"
[ -f "$desktop_link" ] && [ ! -e "$menu" ] || fail "the repair did not keep to the chosen shortcuts"
if vantrel_wine "$folder/QZNRepair.exe" /CONFIG:Autre /S; then fail "the repair tool took another product"; fi
echo "installer: /COMPONENTS=desktop installed the program and its desktop shortcut only, and its repair kept to them"

uninstall /REMOVESETTINGS
[ ! -e "$folder" ] && [ ! -e "$menu" ] && [ ! -e "$desktop_link" ] && ! has_key "$entry" ||
    fail "/REMOVESETTINGS left part of the installation"
for hive in HKLM HKCU; do
    ! has_key "$hive\\Software\\Apps QZN" || fail "/REMOVESETTINGS left $hive\\Software\\Apps QZN"
done
echo "installer: the uninstall with /REMOVESETTINGS removed the settings too"

vantrel_wineserver -k >/dev/null 2>&1 || true
trap - EXIT
rm -rf "$prefix"
