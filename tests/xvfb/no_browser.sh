#!/usr/bin/env bash
# With no opener and no browser anywhere on PATH, opening a page returns at
# once and shows nothing.
PROBE=$2
source "$(dirname "$0")/lib.sh"

mkdir -p "$SANDBOX/nothing"
out=$(PATH=$SANDBOX/nothing "$PROBE" "http://www.velmora.example" 2>/dev/null)
ms=$(echo "$out" | sed -n 's/^returned after \([0-9]*\) ms$/\1/p')
[ -n "$ms" ] || fail "the probe did not report: $out"
[ "$ms" -lt 500 ] || fail "opening took $ms ms"
[ ! -s "$OPENED" ] || fail "something was opened"
echo "PASS: returned after $ms ms with no browser"
