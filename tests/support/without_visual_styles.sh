#!/usr/bin/env bash
# Runs a test program with visual styles switched off for the user of the prefix, then puts the
# setting back as it was, so that tests running later see the prefix unchanged.
# Usage: without_visual_styles.sh WINE_RUN PROGRAM [ARGS...]
set -euo pipefail
run=$1
shift
key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
old=$("$run" reg query "$key" /v ThemeActive 2>/dev/null | tr -d '\r' |
    awk '$1 == "ThemeActive" { print $3 }' || true)
restore() {
    if [ -n "$old" ]; then
        "$run" reg add "$key" /v ThemeActive /d "$old" /f
    else
        "$run" reg delete "$key" /v ThemeActive /f
    fi >/dev/null 2>&1 || true
}
trap restore EXIT
"$run" reg add "$key" /v ThemeActive /d 0 /f >/dev/null
"$run" "$@"
