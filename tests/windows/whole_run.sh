#!/usr/bin/env bash
# amorix.exe under Wine in Xvfb, driven with real key presses: it opens its
# main window and stores its setting in the registry; the walk-through
# reading shows its values (read back through the clipboard) and is kept as
# a screenshot in the folder $2; a second start is refused and ends with 0;
# a link reaches the desktop's opener; File, Exit leads to the exit screen,
# whose Exit ends the program with status 0. Both windows have a fixed
# border, as windows of a fixed size do on Windows.
EXE=$1
SHOTS=$2
BORDER=$3
source "$(dirname "$0")/lib.sh"
start_app "$WINE" "$EXE" || fail "could not reach the display"
app=$APP_PID
main=$(wait_for_window "$WINDOW_TITLE" 60) || fail "no main window"
xdotool windowfocus --sync "$main"
wait_until 10 window_active "$main" || fail "the main window did not get the keyboard"
borders() { "$WINE" "$BORDER" "$WINDOW_TITLE" 2>/dev/null | tr -d '\r' | sort -u; }
[ "$(borders)" = fixed ] || fail "the main window's border: $(borders)"

# The reminder's date is in the user's registry, name and value encoded.
setting_stored() { "$WINE" reg query 'HKCU\Software\Velmora\amorix\Settings' 2>/dev/null | grep -q REG_SZ; }
wait_until 10 setting_stored || fail "no setting under HKCU\\Software\\Velmora\\amorix\\Settings"
! "$WINE" reg query 'HKCU\Software\Velmora\amorix\Settings' 2>/dev/null | grep -q Duration \
    || fail "the setting's name is stored as typed"

# The walk-through, then each value read back from the first, where the
# reading opens: select, copy, Tab to the next.
enter_anna_and_ben
keys alt+g
! wait_for_window "QX Amorix" 1 > /dev/null || fail "the entries were refused"
mkdir -p "$SHOTS"
sleep 1 # the view repainted before the picture
import -window "$main" "$SHOTS/reading.png" || fail "no screenshot"
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
for want in "Anna" "March 7, 1985" "6"; do
    keys ctrl+a ctrl+c
    wait_until 5 clipboard_is "$want" || fail "read '$(clipboard)' where the reading shows '$want'"
    keys Tab
done
keys alt+b

# A second copy is refused with its message and ends with 0.
start_app "$WINE" "$EXE" || fail "the second copy could not reach the display"
second=$APP_PID
box=$(wait_for_window "QX Amorix" 60) || fail "no 'already running' message"
xdotool windowfocus --sync "$box"
keys Return
wait_for_exit "$second" 30 || fail "the second copy did not end"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with $EXIT_STATUS"
running "$app" || fail "the first copy went away too"

# Help, Visit Us Online: the Windows shell hands the page to the desktop.
xdotool windowfocus --sync "$main"
keys alt+h v
# (Wine's browser launcher writes the root page with its slash.)
home_opened() { has_line "$OPENED" "http://www.velmora.example" || has_line "$OPENED" "http://www.velmora.example/"; }
wait_until 30 home_opened || fail "the link did not reach the opener: $(cat "$OPENED" 2>/dev/null)"

# File, Exit: the exit screen, whose Exit ends the program with status 0.
xdotool windowfocus --sync "$main"
keys alt+f x
wait_until 20 window_gone "$WINDOW_TITLE" "$main" || fail "the main window stayed"
exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no exit screen"
xdotool windowfocus --sync "$exit_screen"
wait_until 10 window_active "$exit_screen" || fail "the exit screen did not get the keyboard"
[ "$(borders)" = fixed ] || fail "the exit screen's border: $(borders)"
keys Return
wait_for_exit "$app" 30 || fail "the program did not end after Exit"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
echo "PASS: amorix.exe under Wine: reading, second copy, setting, link, exit with status 0"
