#!/usr/bin/env bash
# Under Wine set to each language the program speaks, the program starts in
# that language; set to any other, in English. The Help menu's caption
# tells which.
PROBE=$1
source "$(dirname "$0")/lib.sh"
status=0
while read -r locale expected; do
    shown=$(use_locale "$locale" && "$WINE" "$PROBE" 2> /dev/null | tr -d '\r')
    if [ "$shown" = "$expected" ]; then
        echo "PASS: $locale: $shown"
    else
        echo "FAIL: $locale: \"$shown\", expected \"$expected\""
        status=1
    fi
done <<'TABLE'
de_DE.UTF-8 &Hilfe
es_ES.UTF-8 Ay&uda
fr_FR.UTF-8 &Aide
it_IT.UTF-8 &Aiuto
pt_BR.UTF-8 Aj&uda
en_US.UTF-8 &Help
ja_JP.UTF-8 &Help
TABLE
exit $status
