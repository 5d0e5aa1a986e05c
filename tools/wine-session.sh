#!/usr/bin/env bash
# Runs a command inside one private X display with one persistent wineserver for PREFIX, so that
# every Wine process of the command starts fast; the server is always stopped at the end.
# Usage: wine-session.sh PREFIX COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${VANTREL_IN_XVFB:-}" ]; then
    export VANTREL_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

. "$here/lib/wine.sh"
prefix=$(realpath -m "$1")
shift
# Booting outside the display would leave dialogs uncreatable, so the prefix is made in here.
"$here/wine-prefix.sh" "$prefix" --unattended
vantrel_wine_env "$prefix"
cleanup() { vantrel_wineserver -k >/dev/null 2>&1 || true; }
trap cleanup EXIT
# Detached from our output: a server holding the pipe would keep the caller waiting for ever.
vantrel_wineserver -p >/dev/null 2>&1 </dev/null
vantrel_wine wineboot >/dev/null 2>&1 </dev/null
"$@"
