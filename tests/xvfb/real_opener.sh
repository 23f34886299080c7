#!/usr/bin/env bash
# The real desktop opener hands the address, unchanged, to xdg-open.
PROBE=$2
source "$(dirname "$0")/lib.sh"

address='http://softwares.velmora.example/qxvs-refer-a-friend.php?taf1=Tom%20%26%20Jerry&taf3=Hi%0D%0A&taf6=http://amorix.velmora.example/'
"$PROBE" "$address"
wait_until 5 test -s "$OPENED" || true
[ -s "$OPENED" ] || fail "xdg-open was not called"
[ "$(cat "$OPENED")" = "$address" ] || fail "xdg-open got '$(cat "$OPENED")'"
echo "PASS: xdg-open got the address unchanged"
