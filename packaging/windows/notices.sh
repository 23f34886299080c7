#!/usr/bin/env bash
# Writes what the installer carries beside the program, with Windows line
# ends: LICENSE.txt ($1, from $3) and THIRD-PARTY-NOTICES.txt ($2): our
# introduction ($4), then each licence and copyright file after it, from
# the Debian packages the Windows build is made from, under a heading each.
set -euo pipefail
licence_out=$1 notices_out=$2 licence=$3 intro=$4
shift 4
crlf() { sed 's/$/\r/'; }
crlf < "$licence" > "$licence_out"
{
    cat "$intro"
    for part in "$@"; do
        [ -f "$part" ] || { echo "missing: $part" >&2; exit 1; }
        printf '\n\n==== %s ====\n\n' "$part"
        cat "$part"
    done
} | crlf > "$notices_out"
