#!/usr/bin/env bash
# Starts the real program and saves what a person sees as PNG files in the
# folder $3: the input area, the three tabs of the Anna/Ben reading, a
# validation message, the about box and the exit screen.
AMORIX=$1
SHOT=$2
OUT=$3
source "$(dirname "$0")/lib.sh"
mkdir -p "$OUT"

shoot() { sleep 0.6; "$SHOT" "$1" "$OUT/$2.png" || fail "could not save $2"; }
# The access keys of the language the program speaks (LANGUAGE).
case "${LANGUAGE:-}" in
de*) proceed=alt+a back=alt+z about="alt+h b" file_exit="alt+d b" leave=alt+b ;;
es*) proceed=alt+o back=alt+v about="alt+u d" file_exit="alt+a s" leave=alt+s ;;
fr*) proceed=alt+v back=alt+r about="alt+a p" file_exit="alt+f q" leave=alt+q ;;
it*) proceed=alt+m back=alt+i about="alt+a i" file_exit="alt+f e" leave=alt+e ;;
pt*) proceed=alt+v back=alt+o about="alt+u s" file_exit="alt+a s" leave=alt+s ;;
*) proceed=alt+g back=alt+b about="alt+h a" file_exit="alt+f x" leave=alt+x ;;
esac

open_main_window

keys $proceed                                 # proceed with no names
box=$(wait_for_window "QX Amorix" 5) || fail "no validation message"
shoot "$box" validation-message
keys Return
xdotool windowfocus --sync "$main"

enter_anna_and_ben
shoot "$main" input-area
keys $proceed
shoot "$main" reading-tab1-user
keys ctrl+Tab                                 # the focus is on the first value
shoot "$main" reading-tab2-partner
keys ctrl+Tab
shoot "$main" reading-tab3-love-number
keys $back $about
about=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no about box"
shoot "$about" about-box
keys Escape
wait_until 5 window_gone "$WINDOW_TITLE" "$about" || fail "the about box stayed"
xdotool windowfocus --sync "$main"
keys $file_exit
wait_until 10 window_gone "$WINDOW_TITLE" "$main" || fail "the main window stayed"
exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || fail "no exit screen"
shoot "$exit_screen" exit-screen
keys $leave
wait_for_exit "$app" 10 || fail "the program did not end"
echo "PASS: screenshots in $OUT"
