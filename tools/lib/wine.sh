# Shared Wine settings for the run, screenshot and test scripts (sourced, not run).

VANTREL_WINE64=/usr/lib/wine/wine64
VANTREL_WINESERVER=/usr/lib/wine/wineserver64
# /usr/bin/wine nags about a missing 32-bit Wine on every start; the 64-bit loader does not.
[ -x "$VANTREL_WINE64" ] || VANTREL_WINE64=$(command -v wine64 || command -v wine)
[ -x "$VANTREL_WINESERVER" ] || VANTREL_WINESERVER=$(command -v wineserver)

# Environment for every Wine process of one prefix.
vantrel_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    # Quiet, except for a DLL that cannot be found.
    export WINEDEBUG="${VANTREL_WINEDEBUG:--all,err+module}"
    # No Mono/Gecko installer dialogs, and a crash must not start the debugger and hang the run.
    local extra="${VANTREL_DLLOVERRIDES:-}"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d${extra:+;$extra}"
    # The ANSI code page is 1252 only under a UTF-8 (or French) locale.
    export LANG=C.UTF-8
    unset LC_ALL
}

vantrel_wine() { "$VANTREL_WINE64" "$@"; }
vantrel_wineserver() { "$VANTREL_WINESERVER" "$@"; }
