# What Orca speaks, read from its debug file, and waiting on it. Orca
# writes one line "SPEECH OUTPUT: '...'" per utterance.

# Every utterance so far, one a line.
spoken() { tr -d '\r' < "$ORCA_LOG" 2>/dev/null | grep -a " - SPEECH OUTPUT: '" | sed "s/^.* - SPEECH OUTPUT: '\\(.*\\)' *{'established.*\$/\\1/" || true; }

# What was spoken since the last mark.
MARK=0
spoken_since_mark() { spoken | tail -n +$((MARK + 1)); }
mark() { MARK=$(spoken | wc -l); }

fail() {
    echo "FAIL: $*" >&2
    echo "--- spoken since the last step:" >&2
    spoken_since_mark >&2
    exit 1
}

# Waits up to $2 (default 10) seconds until Orca has said a line holding
# $1 since the last mark.
hear() { wait_for_line "${2:-10}" -F -e "$1" || fail "Orca did not say \"$1\""; }
# The same for a line that is $1 alone (a list's item, say).
hear_alone() { wait_for_line "${2:-10}" -xF -e "$1" -e "$1." || fail "Orca did not say \"$1\" alone"; }
# Waits up to $1 seconds for a line since the mark that grep finds with
# the options and patterns after it.
wait_for_line() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq 0 "$tries"); do
        spoken_since_mark | grep -q "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Fails when Orca said a line holding $1 since the last mark.
not_heard() { ! spoken_since_mark | grep -qF -- "$1" || fail "Orca said \"$1\""; }

# Waits until Orca has said nothing new for half a second, so that the
# next key is not taken into the last utterance.
settle() {
    local before after
    for _ in $(seq 50); do
        before=$(spoken | wc -l)
        sleep 0.5
        after=$(spoken | wc -l)
        [ "$before" = "$after" ] && return 0
    done
}

# Presses keys (xdotool names) after marking what was said so far.
press() { settle; mark; PRESSED_AT=$(date +%s%N); xdotool key --delay 100 "$@"; }
# The same as hear_alone, within a second of the last key press: a list's
# new item is heard at once, however many items the list holds.
hear_at_once() {
    hear_alone "$1"
    local waited=$((($(date +%s%N) - PRESSED_AT) / 1000000))
    echo "\"$1\" heard $waited ms after the key"
    [ "$waited" -le 1000 ] || fail "Orca took $waited ms to say \"$1\""
}
type_text() { settle; mark; xdotool type --delay 60 "$1"; }

# Orca is ready once it has greeted the user.
wait_for_orca() {
    for _ in $(seq 300); do
        [ "$(spoken | wc -l)" -gt 0 ] && { settle; return 0; }
        kill -0 "$ORCA_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "FAIL: Orca did not start" >&2
    cat "$SANDBOX/orca.out" >&2; tail -n 30 "$ORCA_LOG" >&2
    exit 1
}
