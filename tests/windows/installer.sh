#!/usr/bin/env bash
# The installer under Wine: a silent install (/S) puts amorix.exe under
# Program Files with a Start-menu shortcut and an uninstaller; the installed
# program starts and opens its main window; the silent uninstall removes all
# three.
SETUP=$1
source "$(dirname "$0")/lib.sh"
drive=$AMORIX_WINEPREFIX/drive_c
program="$drive/Program Files/QX Amorix/amorix.exe"
uninstaller="$drive/Program Files/QX Amorix/uninstall.exe"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/QX Amorix.lnk"

"$WINE" "$SETUP" /S || fail "the installer failed"
wait_until 30 test -f "$program" || fail "no $program"
[ -f "$uninstaller" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
"$WINE" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QX Amorix' /v DisplayName 2>/dev/null \
    | grep -q "QX Amorix" || fail "not listed among the installed programs"

start_app "$WINE" 'C:\Program Files\QX Amorix\amorix.exe' || fail "could not reach the display"
app=$APP_PID
main=$(wait_for_window "QX Amorix v1.0" 60) || fail "the installed program opened no main window"
xdotool windowfocus --sync "$main"
wait_until 10 window_active "$main" || fail "the main window did not get the keyboard"
keys alt+f x
exit_screen=$(wait_for_new_window "QX Amorix v1.0" "$main") || fail "no exit screen"
xdotool windowfocus --sync "$exit_screen"
keys Return
wait_for_exit "$app" 30 || fail "the installed program did not end"

"$WINE" 'C:\Program Files\QX Amorix\uninstall.exe' /S || fail "the uninstaller failed"
gone() { [ ! -e "$program" ] && [ ! -e "$shortcut" ] && [ ! -e "$uninstaller" ]; }
wait_until 30 gone || fail "the uninstaller left $(ls "$drive/Program Files/QX Amorix" "$shortcut" 2>&1)"
echo "PASS: installed silently with its shortcut, started, uninstalled"
