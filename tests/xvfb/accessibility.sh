#!/usr/bin/env bash
# Under a D-Bus session with the accessibility bus, makes the Anna/Ben
# reading by keyboard and reads it back as a screen reader does (AT-SPI),
# then goes Back and reads that nothing of the reading is showing.
AMORIX=$1
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

open_main_window
enter_anna_and_ben
keys alt+g                      # the reader waits for the twelve values
/usr/bin/python3 "$(dirname "$0")/read_reading.py" reading
keys alt+b
/usr/bin/python3 "$(dirname "$0")/read_reading.py" entries
