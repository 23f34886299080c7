#!/usr/bin/env bash
# What a blind user hears, step by step: the entries, a reading and its
# tabs, the exit screen and its form, by keyboard alone and in the
# language of the session. Each step waits on what Orca says.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/speech.sh"

# The program's text in the session's language, from its translation.
declare -A translated
if [ -f "$here/../../translations/amorix_${LANGUAGE}.ts" ]; then
    while IFS=$'\t' read -r context source text; do
        [ -n "${translated[$source]:-}" ] || translated[$source]=$text
        translated[$context/$source]=$text
    done < <(/usr/bin/python3 - "$here/../../translations/amorix_${LANGUAGE}.ts" <<'PY'
import sys, xml.etree.ElementTree as tree
for context in tree.parse(sys.argv[1]).iter("context"):
    for message in context.iter("message"):
        text = message.findtext("translation") or ""
        print(f"{context.findtext('name')}\t{message.findtext('source')}\t{text}".replace("\n", " "))
PY
)
fi
# A text in the session's language; $2 names its context where the same
# text is translated apart in another.
t() { local key=${2:+$2/}$1; printf '%s' "${translated[$key]:-${translated[$1]:-$1}}"; }
# The months the lists name, as Qt's locale data has them in each language.
declare -A months=(
    [en]="January February March November December" [de]="Januar Februar März November Dezember"
    [es]="enero febrero marzo noviembre diciembre" [fr]="janvier février mars novembre décembre"
    [it]="gennaio febbraio marzo novembre dicembre" [pt_BR]="janeiro fevereiro março novembro dezembro")
read -r january february march november december <<< "${months[$LANGUAGE]:-${months[en]}}"

mark
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$AMORIX" > "$SANDBOX/amorix.log" 2>&1 &
# The window's title and its introduction, then the user's name box.
hear "QX Amorix v" 30
hear "$(t "Let QX Amorix tell you more about your relationship. Just enter your partner's and your date of birth and know more about your love prospects!" | cut -c1-40)"
hear "$(t "Your name")"

# Asked for a reading with no name, the message, then the name box again.
access_key() { t "$1" | sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]'; }
press "alt+$(access_key "&Get My Amorix Reading")"
hear "$(t "Please Enter Your Name" amorix::reading)"
press Return;   hear "$(t "Your name")"

# Every list tells each arrow press at once, the 151 years too.
type_text "Anna"
press Tab;      hear "$(t "Your birth month")"; hear "$january"
press Down;     hear_at_once "$february"
press Down;     hear_at_once "$march"
# Back in the name box, the whole name.
press shift+Tab; hear "$(t "Your name")"; hear "Anna"; not_heard "Ann."
press Tab Tab;  hear "$(t "Your birth day")"
press 7;        hear_alone 7
press Down;     hear_at_once 8
press Up;       hear_at_once 7
press Tab;      hear "$(t "Your birth year")"; hear "1900"
press Down;     hear_at_once 1901
type_text 1985; hear_alone 1985
press Down;     hear_at_once 1986
press Up;       hear_at_once 1985
press Tab;      hear "$(t "Your partner's name")"
type_text "Ben"
press Tab;      hear "$(t "Your partner's birth month")"
press End;      hear_alone "$december"
press Up;       hear_at_once "$november"
press Down;     hear_at_once "$december"
press Tab;      hear "$(t "Your partner's birth day")"
press Down;     hear_at_once 2
press Up;       hear_at_once 1
press Tab;      hear "$(t "Your partner's birth year")"
type_text 1979; hear_alone 1979
press Down;     hear_at_once 1980
press Up;       hear_at_once 1979

# The reading opens at its start, every value with its title.
press Tab;      hear "$(t "&Get My Amorix Reading" | tr -d '&')"
press Return;   hear "$(t "My Love Numerology Result")"; hear "$(t "Name") Anna"
press Tab;      hear "$(t "Date Of Birth")"
press Tab;      hear "$(t "Birth Number") 6"
press Tab;      hear "$(t "Significance")"
press Tab;      hear "$(t "Interpretation")"
# Another tab from a value: the tab, then its first value; never Back.
press ctrl+Tab; hear "$(t "My Partner's Love Numerology Result")"; hear "$(t "Name") Ben"
not_heard "$(t "&Back" | tr -d '&')"
press ctrl+Tab; hear "$(t "Love Number") 9"
not_heard "$(t "&Back" | tr -d '&')"

# The exit screen reads itself as it opens; its form is heard box by box.
press alt+F4;   hear "$(t "If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult." | cut -c1-40)"
hear "$(t "E&xit" | tr -d '&')"
press Tab;      hear "$(t "Click Here To Visit Velmora Now")"
press Tab;      hear "$(t "Refer A Friend")"; hear "$(t "Your Name")"
press Tab;      hear "$(t "Refer A Friend &Now" | tr -d '&')"
press Tab;      hear "$(t "Your Email Address")"
press Tab;      hear "$(t "Friend's Email Address")"
press Tab;      hear "$(t "Friend's Name")"
press Tab;      hear "$(t "Click Here To Visit Velmora Softwares")"
# Nothing of the box nobody sees, in the whole run.
MARK=0
not_heard "$(t "Your Message")"
echo "PASS ($LANGUAGE): Orca spoke every step"
