#!/usr/bin/env bash
# A whole run from the keyboard alone, with real key presses: names and
# dates, the reading and its tabs, Back, the menu and the about box, the
# exit screen and its refer-a-friend form, and "E&xit".
AMORIX=$1
source "$(dirname "$0")/lib.sh"

open_main_window

type_text "Anna Lee"                   # the focus starts in the user's name
keys Tab Home Down Down Tab Home 7 Tab # March 7
keys Tab
type_text "Ben"
keys Tab End Tab Home 2 8 Tab          # December 28
keys alt+g                             # the reading
keys ctrl+Tab ctrl+Tab ctrl+shift+Tab # from tab to tab, the focus on the first value
keys alt+b                             # back to the entries
keys alt+h a                           # Help, About Software
about=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no about box"
keys Escape
wait_until 5 window_gone "$WINDOW_TITLE" "$about" || fail "the about box stayed"
keys alt+d                             # Donate, on the menu bar itself
running "$app" || fail "the program ended early"

keys alt+f x                           # File, Exit: the exit screen takes over
wait_until 10 window_gone "$WINDOW_TITLE" "$main" || fail "the main window stayed"
exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no exit screen"
wait_until 5 window_active "$exit_screen" || fail "the exit screen did not get the keyboard"
keys Tab Tab                           # from E&xit over the link box to the name
type_text "Anna Lee"
keys Tab Tab                           # over the button to the own address
type_text "anna@example.org"
keys Tab
type_text "ben@example.org"
keys Tab
type_text "Ben"
keys alt+n                             # Refer A Friend Now
expected='http://softwares.velmora.example/qxvs-refer-a-friend.php?taf1=Anna%20Lee&taf2=anna%40example.org&taf3=Your%20Message%0D%0A&taf4=Ben&taf5=ben%40example.org&taf6=http://amorix.velmora.example/'
wait_until 5 has_line "$OPENED" "http://help.velmora.example/donate.html" || fail "Donate opened nothing"
wait_until 5 has_line "$OPENED" "$expected" || fail "the request was $(tail -1 "$OPENED")"

keys alt+x                             # E&xit
wait_for_exit "$app" 10 || fail "the program did not end after Exit"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
echo "PASS: a whole run by keyboard ended with status 0"
