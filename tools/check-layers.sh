#!/usr/bin/env bash
# Lists what each source folder takes from the others, through its #include lines and its
# target_link_libraries, and fails on anything against the layer order
#   model <- framework <- (settings, sidebar, menu, picture) <- calctools <- mainwnd
#   <- (shell, quiz, update)
# A folder may use the folders below it, never one above it nor its sibling: the quiz and the
# update tool, programs of their own, stand beside the shell. The resource
# identifiers in src/res belong to every layer.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A rank=([model]=0 [framework]=1 [settings]=2 [sidebar]=2 [menu]=2 [picture]=2 [calctools]=3 [mainwnd]=4 [shell]=5 [quiz]=5 [update]=5)
declare -A library=([vantrel_model]=model [vantrel_framework]=framework [vantrel_settings]=settings
                    [vantrel_sidebar]=sidebar [vantrel_menu]=menu [vantrel_picture]=picture [vantrel_calctools]=calctools [vantrel_mainwnd]=mainwnd
                    [vantrel_shell]=shell [vantrel_quiz]=quiz [vantrel_update]=update)
failures=0

# allowed FROM TO: TO is the folder itself, the resources or a layer below FROM.
allowed() {
    [ "$1" = "$2" ] || [ "$2" = res ] || { [ -n "${rank[$2]:-}" ] && [ "${rank[$2]}" -lt "${rank[$1]}" ]; }
}

report() { # FOLDER WHAT WHERE
    [ "$1" = "$2" ] && return
    local verdict=ok
    if ! allowed "$1" "$2"; then
        verdict=AGAINST
        failures=$((failures + 1))
    fi
    printf '%-9s -> %-9s %-7s %s\n' "$1" "$2" "$verdict" "$3"
}

for folder in "${!rank[@]}"; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file _ used; do
        report "$folder" "$used" "$file"
    done < <(grep -HnoE '^#include "[a-z_]+/' "$folder"/*.h "$folder"/*.cpp 2>/dev/null |
             sed -E 's/#include "([a-z_]+)\//\1/' | sort -t: -k3,3 -u)
    for lib in $(sed -n '/target_link_libraries/,/)/p' "$folder/CMakeLists.txt" | grep -oE 'vantrel_[a-z]+' | sort -u); do
        [ -n "${library[$lib]:-}" ] && report "$folder" "${library[$lib]}" "$folder/CMakeLists.txt ($lib)"
    done
done

# The model is portable: no system header of Windows.
if grep -nE '^#include <(windows|commctrl|uxtheme)\.h>' model/*.h model/*.cpp; then
    echo "src/model includes a Windows header" >&2
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "check-layers: $failures use(s) against the layer order" >&2
    exit 1
fi
echo "check-layers: every folder uses only the layers below it"
