#!/usr/bin/env bash
# Inside the private X server and D-Bus session: the accessibility bus, a
# window manager, speech to nowhere, Orca, then the route.
set -euo pipefail
export XDG_CONFIG_HOME=$SANDBOX/config XDG_DATA_HOME=$SANDBOX/data XDG_CACHE_HOME=$SANDBOX/cache \
       XDG_RUNTIME_DIR=$SANDBOX/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Without a sound card the speech server hangs on the second sentence
# unless it speaks into the null device.
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
printf 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n' >> "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

/usr/libexec/at-spi-bus-launcher --launch-immediately > "$SANDBOX/atspi.log" 2>&1 &
openbox > "$SANDBOX/openbox.log" 2>&1 &
# Orca writes its debug output to a terminal, which it does line by line
# (to a file it writes in blocks, and the last words wait unseen).
export ORCA_LOG=$SANDBOX/orca.log
script --quiet --flush --command "orca --debug-file=/dev/tty" "$ORCA_LOG" > "$SANDBOX/orca.out" 2>&1 &
export ORCA_PID=$!
source "$(dirname "$0")/speech.sh"
trap 'status=$?; [ $status -ne 0 ] && { echo "--- Orca said:"; spoken | tail -n 60; }; kill $(jobs -p) 2>/dev/null || true; exit $status' EXIT
wait_for_orca
bash "$ROUTE"
