#!/usr/bin/env bash
# Under a real window manager (openbox), which frames a window only after it
# is shown: the exit screen stands with its whole frame centred on the screen.
AMORIX=$1
source "$(dirname "$0")/lib.sh"

openbox --sm-disable > "$SANDBOX/openbox.log" 2>&1 &
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 10 wm_running || fail "openbox did not start"

# "x y width height" of a window's whole frame: its own place grown by the
# frame the window manager says it drew round it.
frame_of() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                                 /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
    IFS=', ' read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}
centred() {
    local x y w h screen_w screen_h
    read -r x y w h < <(frame_of "$1")
    read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
    [ $(((2 * x + w - screen_w) ** 2)) -le 1 ] && [ $(((2 * y + h - screen_h) ** 2)) -le 1 ]
}

open_main_window
keys alt+f x
wait_until 10 window_gone "$WINDOW_TITLE" "$main" || fail "the main window stayed"
exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no exit screen"
wait_until 5 centred "$exit_screen" || fail "the exit screen's frame stands at $(frame_of "$exit_screen")"
keys Return
wait_for_exit "$app" 10 || fail "the program did not end after Exit"
echo "PASS: the exit screen is centred by its frame under openbox"
