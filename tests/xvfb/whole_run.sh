#!/usr/bin/env bash
# The whole run with real key presses under a real window manager
# (openbox), which frames a window only after it is shown: start, a reading,
# close the main window, the exit screen standing with its whole frame
# centred on the screen, "E&xit"; the process ends by itself with status 0.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

openbox --sm-disable > "$SANDBOX/openbox.log" 2>&1 &
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 10 wm_running || fail "openbox did not start"
# The window's place, grown by the frame drawn round it, centred on the screen.
frame_of() { xwininfo -id "$1" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4} /Width:|Height:/ {printf "%s ", $2}'
             xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }
centred() { frame_of "$1" | awk '{x = $1 - $5; y = $2 - $7; w = $3 + $5 + $6; h = $4 + $7 + $8
                                  exit !((2 * x + w - 1280) ^ 2 <= 1 && (2 * y + h - 1024) ^ 2 <= 1)}'; }

open_main_window

type_text "Anna"                       # the window opens with the focus in the user's name
keys Tab Home Down Down Tab Home 7 Tab # March 7
keys Tab
type_text "Ben"
keys Tab End Tab Home 2 8 Tab          # December 28
keys alt+g                             # the reading
keys alt+b                             # back to the entries
keys alt+g
running "$app" || fail "the program ended during the reading"

keys alt+f x                           # File, Exit: the exit screen replaces the main window
wait_until 10 window_gone "$WINDOW_TITLE" "$main" || fail "the main window is still there"
exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no exit screen"
wait_until 5 centred "$exit_screen" || fail "the exit screen's place and frame: $(frame_of "$exit_screen")"
wait_until 5 window_active "$exit_screen" || fail "the exit screen did not get the keyboard"
keys Return                            # the focus is on E&xit
wait_for_exit "$app" 10 || fail "the program did not end after Exit"
status=$EXIT_STATUS
[ "$status" = 0 ] || fail "the program ended with status $status"
[ ! -s "$OPENED" ] || fail "a page was opened: $(cat "$OPENED")"
echo "PASS: whole run ended with status 0"
