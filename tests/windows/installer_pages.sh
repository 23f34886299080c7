#!/usr/bin/env bash
# The installer's pages as a person goes through them with Enter, each kept
# as a PNG file in the folder $2: welcome, licence, for whom, components,
# folder and finish. $3, a locale (de_DE.UTF-8), sets Wine and so the
# installer to its language; English without.
SETUP=$1
OUT=$2
source "$(dirname "$0")/lib.sh"
mkdir -p "$OUT"
[ -n "${3:-}" ] && use_locale "$3"
case "${3:-}" in
de*) title="QX Amorix $VERSION Installation" ;;
es*) title="Instalación de QX Amorix $VERSION" ;;
fr*) title="Installation de QX Amorix $VERSION" ;;
it*) title="Installazione di QX Amorix $VERSION" ;;
pt*) title="Instalação do QX Amorix $VERSION" ;;
*) title="QX Amorix $VERSION Setup" ;;
esac

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
