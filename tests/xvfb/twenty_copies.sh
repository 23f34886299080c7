#!/usr/bin/env bash
# Twenty copies started at the same moment: exactly one main window, and
# every other copy ends after its message. A copy killed outright does not
# keep the next one from starting.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

# On a loaded machine the X server may drop a connection that is slow to
# set up; such a copy ends before it reaches the single-instance check and
# is left out of the count.
no_display() { ! running "$1" && grep -q "could not connect to display" "$SANDBOX/err.$1"; }

pids=()
for _ in $(seq 20); do
    (exec "$AMORIX" 2> "$SANDBOX/err.$BASHPID") & pids+=($!)
done

wait_for_window "$WINDOW_TITLE" 30 > /dev/null || fail "no main window"
# Every copy has shown its window or message, or was refused by the display.
refused() { local pid n=0; for pid in "${pids[@]}"; do no_display "$pid" && n=$((n + 1)); done; echo "$n"; }
all_shown() {
    [ $(( $(count_windows "$WINDOW_TITLE") + $(count_windows "QX Amorix") + $(refused) )) -ge 20 ]
}
wait_until 30 all_shown || fail "not every copy showed a window or a message"
started=()
for pid in "${pids[@]}"; do
    no_display "$pid" || started+=("$pid")
done
expected=$(( ${#started[@]} - 1 ))
[ "$expected" -ge 9 ] || fail "fewer than ten copies reached the display"
[ "$(count_windows "$WINDOW_TITLE")" -eq 1 ] || fail "not exactly one main window"
[ "$(count_windows "QX Amorix")" -eq "$expected" ] || fail "not $expected messages"

# Answer every message; those copies end with status 0.
for box in $(xdotool search --onlyvisible --name '^QX Amorix$'); do
    xdotool windowfocus --sync "$box" 2>/dev/null && keys Return
done
winner=""
for pid in "${started[@]}"; do
    if wait_for_exit "$pid" 10; then
        [ "$EXIT_STATUS" = 0 ] || fail "copy $pid ended with $EXIT_STATUS"
    else
        [ -z "$winner" ] || fail "two copies still run"
        winner=$pid
    fi
done
[ -n "$winner" ] || fail "no copy runs on"

# Killed outright, the survivor leaves a stale lock behind; the next start opens its window.
kill -KILL "$winner"; wait "$winner" 2>/dev/null || true
start_app "$AMORIX" || fail "the next start could not reach the display"
next=$APP_PID
wait_for_window "$WINDOW_TITLE" 30 > /dev/null || fail "the next start did not open its main window"
! wait_for_window "QX Amorix" 1 > /dev/null || fail "the next start was refused"
running "$next" || fail "the next start ended"
echo "PASS: one of ${#started[@]} copies ran; a killed copy did not block the next"
