#!/usr/bin/env bash
# The compiled help file holds every page its project lists, the options topic among them.
# Usage: help_file_test.sh SOURCE_DIR CHM
set -euo pipefail
src=$1 chm=$2
[ -s "$chm" ] || { echo "help: $chm is missing or empty" >&2; exit 1; }
missing=0
pages=$(sed -n '/^\[FILES\]/,/^\[/p' "$src/help/vantrel.hhp" | tr -d '\r' | grep -E '\.(htm|css|png)$')
for page in $pages; do
    if ! grep -aq "/$page" "$chm"; then
        echo "help: $page is not in $chm" >&2
        missing=$((missing + 1))
    fi
done
echo "$pages" | grep -qx options.htm || { echo "help: no options.htm topic" >&2; exit 1; }
[ "$missing" -eq 0 ] && echo "help: $(echo "$pages" | wc -l) files in $chm"
