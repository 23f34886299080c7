#!/usr/bin/env bash
# Under a D-Bus session with the accessibility bus, makes the Anna/Ben
# reading by keyboard and reads it back as a screen reader does (AT-SPI).
AMORIX=$1
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

start_app "$AMORIX" || fail "could not reach the display"
app=$APP_PID
main=$(wait_for_window "QX Amorix v1.0" 15) || fail "no main window"
xdotool windowfocus --sync "$main"
type_text "Anna"
keys Tab Home Down Down Tab Home 7 Tab Home 1 9 8 5 Tab   # March 7, 1985
type_text "Ben"
keys Tab End Tab Home 2 8 Tab Home 1 9 7 9                # December 28, 1979
keys alt+g
sleep 1
/usr/bin/python3 "$(dirname "$0")/read_reading.py"
