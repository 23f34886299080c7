# Shared by the checks of the Windows build under Wine: the Xvfb checks'
# sandbox and helpers, a Wine prefix of the sandbox's own, made before
# anything is timed, and slower waits, for Wine starts slowly.
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb/lib.sh"
export AMORIX_WINEPREFIX=$SANDBOX/wine
WINE=$(dirname "${BASH_SOURCE[0]}")/wine.sh
TIME_SCALE=${TIME_SCALE:-2}
"$WINE" wineboot -i > /dev/null 2>&1 || true
