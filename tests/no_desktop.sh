#!/usr/bin/env bash
# Started where no graphical desktop can be reached, the program says so in
# one line and ends with status 1: no abort, no core file, nothing written.
set -uo pipefail
AMORIX=$1
failures=0
check() { # name, what the line gives as Qt's reason, then the environment changes
    local name=$1 reason=$2; shift 2
    local work; work=$(mktemp -d)
    mkdir "$work/home"
    (cd "$work" && ulimit -c unlimited && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        HOME="$work/home" XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_RUNTIME_DIR= "$@" \
        "$AMORIX" > "$work/out" 2> "$work/err")
    local status=$?
    local problem=""
    [ "$status" = 1 ] || problem="status $status"
    [ "$(wc -l < "$work/err")" = 1 ] && grep "graphical desktop" "$work/err" | grep -qF "$reason" || problem="$problem; said: $(cat "$work/err")"
    [ -s "$work/out" ] && problem="$problem; printed to standard output"
    [ -z "$(find "$work/home" -mindepth 1)" ] || problem="$problem; wrote $(find "$work/home" -mindepth 1 | head -1)"
    ls "$work" | grep -q '^core' && problem="$problem; left a core file"
    if [ -n "$problem" ]; then echo "FAIL: $name: $problem"; failures=$((failures + 1)); else echo "PASS: $name"; fi
    rm -rf "$work"
}
check "no display" "could not connect to display"
check "a display that is not there" "could not connect to display :97" DISPLAY=:97
check "a platform that does not exist" '"nosuch"' QT_QPA_PLATFORM=nosuch
[ "$failures" = 0 ]
