#!/usr/bin/env bash
# The Windows screen-reader check (test_windows_reader) under Wine, with the
# stand-in for UI Automation's core in the place Qt loads it from: the
# system folder of the sandbox's own Wine prefix.
# Usage: screen_reader.sh CHECK STAND_IN
source "$(dirname "$0")/lib.sh"
cp "$2" "$AMORIX_WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
AMORIX_WINEDLLOVERRIDES=uiautomationcore=n "$WINE" "$1" 2>&1 | tr -d '\r'
exit "${PIPESTATUS[0]}"
