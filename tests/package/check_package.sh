#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder and checks
# that the program, its menu entry, its icon and its metainfo are in place
# and valid, and that Debian's package checker passes it.
set -euo pipefail
BUILD=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -B "$work/out" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/amorix_*.deb) || fail "no .deb built"
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr

[ -x "$root/bin/amorix" ] || fail "no executable"
[ -f "$root/share/applications/amorix.desktop" ] || fail "no desktop entry"
for size in 16 32 48 64 128 256; do
    [ -s "$root/share/icons/hicolor/${size}x${size}/apps/amorix.png" ] || fail "no ${size}px icon"
done
metainfo=$root/share/metainfo/example.velmora.amorix.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"

desktop-file-validate "$root/share/applications/amorix.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$metainfo" > "$work/validate.log" 2>&1 || { cat "$work/validate.log"; fail "metainfo invalid"; }
grep -qx "Exec=amorix" "$root/share/applications/amorix.desktop" || fail "the menu entry does not start amorix"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt"
dpkg-deb -f "$deb" Recommends | grep -qw xdg-utils || fail "does not recommend an opener for web links"
# Debian's own package checker: no error and no warning.
lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
echo "PASS: $(basename "$deb") holds the program, menu entry, icons and metainfo"
