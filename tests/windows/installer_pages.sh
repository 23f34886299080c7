#!/usr/bin/env bash
# The installer's pages as a person goes through them with Enter, each kept
# as a PNG file in the folder $2: welcome, licence, for whom, components,
# folder and finish.
SETUP=$1
OUT=$2
source "$(dirname "$0")/lib.sh"
mkdir -p "$OUT"
title="QX Amorix $VERSION Setup"

"$WINE" "$SETUP" > /dev/null 2>&1 &
window=$(wait_for_window "$title" 60) || fail "no installer window"
for page in welcome licence for-whom components folder; do
    xdotool windowfocus --sync "$window"
    sleep 1 # the page drawn
    import -window "$window" "$OUT/installer-$page.png" || fail "no picture of the $page page"
    keys Return
done
# Installing, then the finish page with its "Run QX Amorix" box.
sleep 8
import -window "$window" "$OUT/installer-finish.png" || fail "no picture of the finish page"
echo "PASS: installer pages in $OUT"
