# Shared by the checks that run the real program under Xvfb: a private home,
# a stand-in browser, and waiting for windows.
set -euo pipefail

SANDBOX=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$SANDBOX"' EXIT
export HOME=$SANDBOX/home XDG_CONFIG_HOME=$SANDBOX/config XDG_RUNTIME_DIR=$SANDBOX/runtime XDG_CACHE_HOME=$SANDBOX/cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$SANDBOX/bin"
chmod 700 "$XDG_RUNTIME_DIR"

# DESKTOP_THEME=dark (or light) runs the program under a desktop that
# imposes its own style and colours through qt6ct.
if [ -n "${DESKTOP_THEME:-}" ]; then
    cp -r "$(dirname "${BASH_SOURCE[0]}")/../desktop_themes/$DESKTOP_THEME/qt6ct" "$XDG_CONFIG_HOME/"
    export QT_QPA_PLATFORMTHEME=qt6ct
fi

# A stand-in for the desktop's opener: it records each address it is given.
OPENED=$SANDBOX/opened
cat > "$SANDBOX/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >> "$OPENED"
SCRIPT
chmod +x "$SANDBOX/bin/xdg-open"
export PATH=$SANDBOX/bin:$PATH
unset BROWSER DEFAULT_BROWSER

# On failure, what the program itself said goes with the reason.
fail() {
    [ -n "${APP_ERRORS:-}" ] && [ -s "$APP_ERRORS" ] && tail -n 60 "$APP_ERRORS" >&2
    echo "FAIL: $*" >&2
    exit 1
}

# The project's version, and the windows' title with it.
VERSION=$(sed -n 's/^project(QXAmorix VERSION \([0-9.]*\).*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")
WINDOW_TITLE="QX Amorix v$VERSION"

# TIME_SCALE stretches every wait, for runs under valgrind.
TIME_SCALE=${TIME_SCALE:-1}
pause() { sleep "$(awk "BEGIN { print $1 * $TIME_SCALE }")"; }

# Runs "$@" every tenth of a second until it succeeds, for at most $1
# seconds; the last try's status is the answer.
wait_until() {
    local tries=$(($1 * 10 * TIME_SCALE))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# The ids of the visible windows whose title is exactly $1.
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
count_windows() { windows_titled "$1" | grep -c . || true; }
window_gone() { ! windows_titled "$1" | grep -qx "$2"; }
window_active() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
has_line() { grep -qxF "$2" "$1" 2>/dev/null; }

# Prints the id of a visible window titled $1 that is none of the ids
# after it (a window that another open one shares its title with),
# waiting up to 10 seconds for it.
wait_for_new_window() {
    local title=$1 id
    shift
    for _ in $(seq $((100 * TIME_SCALE))); do
        for id in $(windows_titled "$title"); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Prints the ids of visible windows whose title is exactly $1, waiting up to $2 seconds for one.
wait_for_window() {
    local title=$1 seconds=$((${2:-10} * TIME_SCALE)) ids
    for _ in $(seq $((seconds * 10))); do
        ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        [ -n "$ids" ] && { echo "$ids"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for process $1 to end and sets EXIT_STATUS to its
# exit status. Runs in this shell: only the parent shell can wait for it.
wait_for_exit() {
    local pid=$1 seconds=$((${2:-10} * TIME_SCALE))
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            EXIT_STATUS=0
            wait "$pid" || EXIT_STATUS=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

running() { kill -0 "$1" 2>/dev/null; }

# Starts the program in the background and sets APP_PID. Now and then a
# busy Xvfb refuses a new connection outright; such a start, which never
# reaches the program's own code, is tried again.
start_app() {
    local attempt
    for attempt in 1 2 3; do
        (exec "$@" 2> "$SANDBOX/start.$BASHPID") & APP_PID=$!
        pause 1
        if running "$APP_PID" || ! grep -q "could not connect to display" "$SANDBOX/start.$APP_PID"; then
            APP_ERRORS=$SANDBOX/start.$APP_PID
            return 0
        fi
        echo "display refused the connection (attempt $attempt)" >&2
    done
    return 1
}

# Real key presses go to the window that has the keyboard focus.
keys() { xdotool key --delay $((60 * TIME_SCALE)) "$@"; pause 0.2; }
type_text() { xdotool type --delay $((40 * TIME_SCALE)) "$1"; pause 0.2; }

# Starts the program and gives its main window the keyboard; sets app
# (the process) and main (the window).
open_main_window() {
    start_app "$AMORIX" || fail "could not reach the display"
    app=$APP_PID
    main=$(wait_for_window "$WINDOW_TITLE" 15) || fail "no main window"
    xdotool windowfocus --sync "$main"
    wait_until 5 window_active "$main" || fail "the main window did not get the keyboard"
}

# The walk-through's entries, typed from the user's name box onwards.
enter_anna_and_ben() {
    type_text "Anna"
    keys Tab Home Down Down Tab Home 7 Tab Home 1 9 8 5 Tab   # March 7, 1985
    type_text "Ben"
    keys Tab End Tab Home 2 8 Tab Home 1 9 7 9                # December 28, 1979
}
