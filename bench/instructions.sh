#!/usr/bin/env bash
# Instructions from exec to the first paint and exit, counted by callgrind
# (exact and repeatable whatever else the machine does), for the program and
# each baseline, with the program's ratio to each. Needs a display.
# Usage: instructions.sh PROGRAM BASELINE...
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

count() {
    rm -rf "$work/config"/* "$work/runtime"/*
    XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
        valgrind --tool=callgrind --callgrind-out-file="$work/out" "$1" > /dev/null 2>&1
    sed -n 's/^summary: *//p' "$work/out"
}

echo "instructions from exec to first paint and exit (callgrind)"
program=$(count "$1")
printf '  %-22s %6.1f M\n' "$(basename "$1")" "$(awk "BEGIN { print $program / 1e6 }")"
shift
for baseline in "$@"; do
    n=$(count "$baseline")
    printf '  %-22s %6.1f M   ratio %.2f\n' "$(basename "$baseline")" "$(awk "BEGIN { print $n / 1e6 }")" \
        "$(awk "BEGIN { print $program / $n }")"
done
