#!/usr/bin/env bash
# Runs a route through the program with the real screen reader Orca, as a
# blind user would, and checks what Orca speaks. Orca allows one copy per
# user, so it runs as a user of its own (made here when missing), in a
# private X server, D-Bus session and home, with speech sent to a null
# device; what it would say is read back from its debug file.
# Usage (as root): orca_session.sh PROGRAM ROUTE LANGUAGE
set -euo pipefail
program=$(readlink -f "$1") route=$(readlink -f "$2") language=$3
here=$(cd "$(dirname "$0")" && pwd)
user=amorix-orca

[ "$(id -u)" = 0 ] || { echo "FAIL: the screen-reader check runs as root (it runs Orca as a user of its own)"; exit 1; }
id "$user" > /dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"

# Whatever a run of this user left behind ends first: one Orca a user.
end_user_processes() {
    pkill -KILL -u "$user" 2>/dev/null || true
    for _ in $(seq 50); do pgrep -u "$user" > /dev/null || return 0; sleep 0.1; done
}
end_user_processes
sandbox=$(mktemp -d /tmp/amorix-orca.XXXXXX)
trap 'end_user_processes; [ -n "${KEEP_SANDBOX:-}" ] || rm -rf "$sandbox"' EXIT
chmod 755 "$sandbox"
chown "$user" "$sandbox"
# The user reads the program, the route and these scripts where they are.
for file in "$program" "$route" "$here"/*; do
    dir=$(dirname "$file")
    while [ "$dir" != / ]; do
        runuser -u "$user" -- test -x "$dir" || chmod o+x "$dir"
        dir=$(dirname "$dir")
    done
done

runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$sandbox" SANDBOX="$sandbox" \
    LANG=C.UTF-8 LANGUAGE="$language" AMORIX="$program" ROUTE="$route" \
    bash "$here/../xvfb/with_xvfb.sh" -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$here/desktop.sh"
