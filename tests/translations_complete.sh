#!/usr/bin/env bash
# Every text of the program's has its finished translation in FILE.ts, which
# holds none that has vanished from the sources.
# Usage: translations_complete.sh LUPDATE LRELEASE FILE.ts COPY.ts SOURCES...
set -euo pipefail
lupdate=$1 lrelease=$2 ts=$3 copy=$4
shift 4
cp "$ts" "$copy"
found=$("$lupdate" -no-obsolete -locations none "$@" -ts "$copy" | grep -o '(0 new and [0-9]*' | grep -o '[0-9]*$') &&
    [ "$(grep -c '<message' "$ts")" = "$found" ] && "$lrelease" "$copy" -qm /dev/null | grep -q ' 0 unfinished' ||
    { echo "FAIL: $ts does not translate exactly the program's texts"; exit 1; }
echo "PASS: $ts translates all $found texts"
