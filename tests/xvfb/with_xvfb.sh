#!/usr/bin/env bash
# Runs a command under a private Xvfb whose display number the server picks
# itself and reports (-displayfd), so that servers started at the same
# moment never race for one number. Stops the server afterwards and passes
# on the command's status. The server never resets: by default it does so
# whenever its last client leaves, and a program connecting in that moment
# is refused ("could not connect to display"), as when a probe of the
# checks (xdotool) ends just as two copies of the program start.
# Usage: with_xvfb.sh [-s "server arguments"] command [arguments...]
set -uo pipefail
server_args="-screen 0 1280x1024x24"
if [ "${1:-}" = -s ]; then
    server_args=$2
    shift 2
fi

work=$(mktemp -d)
# shellcheck disable=SC2086 # the server arguments are words
Xvfb -displayfd 3 -nolisten tcp -noreset $server_args 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT

for _ in $(seq 300); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
display=$(head -n 1 "$work/display" 2>/dev/null)
if [ -z "$display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

DISPLAY=":$display" "$@"
