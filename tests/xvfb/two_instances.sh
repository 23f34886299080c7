#!/usr/bin/env bash
# Two copies started at the same moment: one opens its main window and keeps
# running, the other says "Application is already running" and ends with
# status 0 once that message is answered with a key press.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

"$AMORIX" & first=$!
"$AMORIX" & second=$!

box=$(wait_for_window "QX Amorix" 15) || fail "no 'already running' message"
wait_for_window "$WINDOW_TITLE" 15 > /dev/null || fail "no main window"
[ "$(echo "$box" | wc -l)" -eq 1 ] || fail "more than one message box"
# The message holds its copy until it is answered.
running "$first" && running "$second" || fail "a copy ended before the message was answered"

xdotool windowfocus --sync "$box"
keys Return

one_ended() { ! running "$first" || ! running "$second"; }
wait_until 10 one_ended || fail "neither copy ended after the message was answered"
if running "$first"; then loser=$second winner=$first; else loser=$first winner=$second; fi
wait_for_exit "$loser" 1 || fail "copy $loser did not end"
status=$EXIT_STATUS
[ "$status" = 0 ] || fail "the second copy ended with status $status"
running "$winner" || fail "the running copy went away too"
[ "$(xdotool search --onlyvisible --name "^$WINDOW_TITLE\$" | wc -l)" -eq 1 ] || fail "not exactly one main window"
[ ! -s "$OPENED" ] || fail "a page was opened: $(cat "$OPENED")"
echo "PASS: copy $loser refused and ended with 0; copy $winner runs on"
