#!/usr/bin/env bash
# Two copies started at the same moment: one opens its main window and keeps
# running, the other says "Application is already running" and ends with
# status 0 once that message is answered with a key press.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

"$AMORIX" & first=$!
"$AMORIX" & second=$!

box=$(wait_for_window "QX Amorix" 15) || fail "no 'already running' message"
wait_for_window "QX Amorix v1.0" 15 > /dev/null || fail "no main window"
[ "$(echo "$box" | wc -l)" -eq 1 ] || fail "more than one message box"
sleep 0.5
running "$first" && running "$second" || fail "a copy ended before the message was answered"

xdotool windowfocus --sync "$box"
keys Return

loser=""
for _ in $(seq 100); do
    running "$first" || { loser=$first winner=$second; break; }
    running "$second" || { loser=$second winner=$first; break; }
    sleep 0.1
done
[ -n "$loser" ] || fail "neither copy ended after the message was answered"
wait_for_exit "$loser" 1 || fail "copy $loser did not end"
status=$EXIT_STATUS
[ "$status" = 0 ] || fail "the second copy ended with status $status"
sleep 0.5
running "$winner" || fail "the running copy went away too"
[ "$(xdotool search --onlyvisible --name '^QX Amorix v1.0$' | wc -l)" -eq 1 ] || fail "not exactly one main window"
[ ! -s "$OPENED" ] || fail "a page was opened: $(cat "$OPENED")"
echo "PASS: copy $loser refused and ended with 0; copy $winner runs on"
