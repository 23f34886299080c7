#!/usr/bin/env bash
# Every text of the program's has its translation in the file: lupdate over
# the sources into a copy finds no text that is new, the file holds none that
# has vanished from the sources, and lrelease finds none unfinished.
# Usage: translations_complete.sh LUPDATE LRELEASE FILE.ts COPY.ts SOURCES...
set -euo pipefail
lupdate=$1 lrelease=$2 ts=$3 copy=$4
shift 4
cp "$ts" "$copy"
found=$("$lupdate" -no-obsolete -locations none "$@" -ts "$copy" | tee /dev/stderr | grep -o '(0 new and [0-9]*' | grep -o '[0-9]*$') ||
    { echo "FAIL: texts without a translation in $ts"; exit 1; }
[ "$(grep -c '<message' "$ts")" = "$found" ] || { echo "FAIL: $ts holds texts the program no longer has"; exit 1; }
"$lrelease" "$copy" -qm /dev/null | tee /dev/stderr | grep -q ' 0 unfinished' || { echo "FAIL: unfinished in $ts"; exit 1; }
echo "PASS: $ts translates all $found texts"
