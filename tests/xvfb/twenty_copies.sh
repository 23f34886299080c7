#!/usr/bin/env bash
# Twenty copies started at the same moment: exactly one main window, and
# every other copy ends after its message. A copy killed outright does not
# keep the next one from starting.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

pids=()
for _ in $(seq 20); do "$AMORIX" & pids+=($!); done

wait_for_window "QX Amorix v1.0" 20 > /dev/null || fail "no main window"
for _ in $(seq 200); do
    [ "$(xdotool search --onlyvisible --name '^QX Amorix$' 2>/dev/null | wc -l)" -ge 19 ] && break
    sleep 0.1
done
sleep 1
[ "$(xdotool search --onlyvisible --name '^QX Amorix v1.0$' | wc -l)" -eq 1 ] || fail "not exactly one main window"
[ "$(xdotool search --onlyvisible --name '^QX Amorix$' | wc -l)" -eq 19 ] || fail "not 19 messages"

# Answer every message; nineteen copies end with status 0.
for box in $(xdotool search --onlyvisible --name '^QX Amorix$'); do
    xdotool windowfocus --sync "$box" 2>/dev/null && keys Return
done
winner=""
for pid in "${pids[@]}"; do
    if status=$(wait_for_exit "$pid" 5); then
        [ "$status" = 0 ] || fail "copy $pid ended with $status"
    else
        [ -z "$winner" ] || fail "two copies still run"
        winner=$pid
    fi
done
[ -n "$winner" ] || fail "no copy runs on"

# Killed outright, the survivor leaves a stale lock behind; the next start opens its window.
kill -KILL "$winner"; wait "$winner" 2>/dev/null || true
"$AMORIX" & next=$!
wait_for_window "QX Amorix v1.0" 15 > /dev/null || fail "the next start did not open its main window"
! wait_for_window "QX Amorix" 1 > /dev/null || fail "the next start was refused"
running "$next" || fail "the next start ended"
echo "PASS: one of twenty ran; a killed copy did not block the next"
