#!/usr/bin/env bash
# Builds the Windows benchmarks and runs them under Wine inside one virtual display: the main
# window's work timed beside a baseline dialog, the program's start-up beside a minimal dialog
# program, and what each kind of work leaves behind. Everything goes to stdout. Not a test: the
# test command never runs it.
# Usage: bench.sh [--full]   (--full: every growth run does all its operations; takes long)
# The benchmark has a prefix of its own, so that the settings Vantrel.exe saves at each exit
# never reach the tests' prefix, and its session never stops a test run's wineserver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
prefix="$root/build/bench-prefix"

if [ -z "${VANTREL_IN_XVFB:-}" ]; then
    tools/install-deps.sh run
    cmake --preset windows >/dev/null
    # Quiet unless the build fails.
    if ! log=$(cmake --build --preset windows --target window_bench -j"$(nproc)" 2>&1); then
        printf '%s\n' "$log"
        exit 1
    fi
    exec tools/wine-session.sh "$prefix" "$0" "$@"
fi

. tools/lib/wine.sh
vantrel_wine_env "$prefix"
# The benchmark stops itself when a phase overruns; this is the last resort.
limit=400
for arg in "$@"; do
    [ "$arg" = --full ] && limit=7200
done
# MinGW programs end their lines with CRLF.
timeout --kill-after=10 "$limit" "$VANTREL_WINE64" "$root/build/windows/bin/window_bench.exe" "$@" | tr -d '\r'
