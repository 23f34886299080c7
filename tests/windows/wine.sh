#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' own prefix
# ($AMORIX_WINEPREFIX), set up on first use: no network look-ups (no Mono,
# no Gecko), no menu entries written into the home folder, DejaVu Sans
# standing in for Verdana and MS Sans Serif as real Windows has them, and
# windows that Wine places itself (Xvfb runs no window manager).
set -euo pipefail
export WINEPREFIX=${AMORIX_WINEPREFIX:?set AMORIX_WINEPREFIX to the test prefix}
# AMORIX_WINEDLLOVERRIDES adds a check's own choices.
export WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${AMORIX_WINEDLLOVERRIDES:+;$AMORIX_WINEDLLOVERRIDES}"

prepare_prefix() {
    wineboot -i > /dev/null 2>&1
    wineserver -w
    local key
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1
    for key in Verdana 'MS Sans Serif'; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$key" /d 'DejaVu Sans' /f > /dev/null 2>&1
    done
    # Qt's offscreen platform reads its fonts from a folder; Wine passes no
    # QT_ variable from the environment, so it goes into the prefix's own.
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\dejavu' /f > /dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f > /dev/null 2>&1
    wineserver -w
}

mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/.amorix-ready" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.amorix-ready" ]; then
            prepare_prefix
            touch "$WINEPREFIX/.amorix-ready"
        fi
    ) 9> "$WINEPREFIX.lock"
fi
exec wine "$@"
