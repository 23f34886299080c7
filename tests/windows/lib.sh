# Shared by the checks of the Windows build under Wine: the Xvfb checks'
# sandbox and helpers, a Wine prefix of the sandbox's own, made before
# anything is timed, and slower waits, for Wine starts slowly.
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb/lib.sh"
export AMORIX_WINEPREFIX=$SANDBOX/wine
WINE=$(dirname "${BASH_SOURCE[0]}")/wine.sh
TIME_SCALE=${TIME_SCALE:-2}
"$WINE" wineboot -i > /dev/null 2>&1 || true

# Sets Wine to a language: Wine takes it from the locale, made in the
# sandbox (LOCPATH) first, as the machine may have none but C.
use_locale() {
    export LOCPATH=$SANDBOX/locales
    mkdir -p "$LOCPATH"
    [ -d "$LOCPATH/$1" ] || localedef -i "${1%.UTF-8}" -f UTF-8 "$LOCPATH/$1" 2> /dev/null ||
        fail "could not make the locale $1"
    export LANG=$1 LC_ALL=$1
}
