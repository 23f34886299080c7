#!/usr/bin/env bash
# The installer and the uninstaller under Wine, case by case, each on what
# the one before left: a silent install for all users with its files,
# shortcut and complete uninstall entry; an install over it that leaves one
# entry and one shortcut; both refusing, with a non-zero status and nothing
# changed, while the program runs; the silent uninstall removing everything;
# and an install for the current user alone, then its uninstall.
SETUP=$1
source "$(dirname "$0")/lib.sh"
drive=$AMORIX_WINEPREFIX/drive_c
all_users="$drive/Program Files/QX Amorix"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\QX Amorix'
shortcut_name="QX Amorix.lnk"

entry() { "$WINE" reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
has_entry() { "$WINE" reg query "$1\\$key" > /dev/null 2>&1; }
shortcuts() { find "$drive" -name "$shortcut_name" 2>/dev/null | grep -c . || true; }
unix_path() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
installed_files_in() { for f in amorix.exe LICENSE.txt THIRD-PARTY-NOTICES.txt uninstall.exe; do [ -f "$1/$f" ] || return 1; done; }
# The uninstaller as Apps and Features starts it: it hands its work to a
# copy of itself and returns; the work is done once the files are gone.
uninstall() { local dir=$1; shift; "$WINE" "$dir\\uninstall.exe" "$@"; }
# The uninstaller at work in place, for its status: "_?=" takes the rest of
# the command line unquoted, so the folder goes as separate words.
uninstall_in_place() {
    local dir=$1 words
    shift
    read -ra words <<< "_?=$dir"
    "$WINE" "$dir\\uninstall.exe" "$@" "${words[@]}"
}

case_install_for_all_users() {
    "$WINE" "$SETUP" /S || { echo "the installer ended with $?"; return 1; }
    installed_files_in "$all_users" || { echo "files missing in $all_users"; return 1; }
    [ "$(shortcuts)" = 1 ] || { echo "$(shortcuts) shortcuts"; return 1; }
    for value in DisplayName DisplayVersion Publisher InstallLocation EstimatedSize URLInfoAbout HelpLink \
                 UninstallString QuietUninstallString; do
        [ -n "$(entry HKLM "$value")" ] || { echo "the uninstall entry has no $value"; return 1; }
    done
    [ "$(entry HKLM InstallLocation)" = 'C:\Program Files\QX Amorix' ] || { echo "InstallLocation $(entry HKLM InstallLocation)"; return 1; }
    grep -q "GNU LESSER GENERAL PUBLIC LICENSE" "$all_users/THIRD-PARTY-NOTICES.txt" || { echo "no LGPL in the notices"; return 1; }
    grep -q "MIT License" "$all_users/LICENSE.txt" || { echo "no MIT licence"; return 1; }
}

case_install_over_it() {
    "$WINE" "$SETUP" /S || { echo "the installer ended with $?"; return 1; }
    installed_files_in "$all_users" || return 1
    has_entry HKLM && ! has_entry HKCU || { echo "the entry is not in one place only"; return 1; }
    [ "$(shortcuts)" = 1 ] || { echo "$(shortcuts) shortcuts"; return 1; }
}

case_refused_while_running() {
    start_app "$WINE" 'C:\Program Files\QX Amorix\amorix.exe' || { echo "could not reach the display"; return 1; }
    local app=$APP_PID main before
    main=$(wait_for_window "$WINDOW_TITLE" 60) || { echo "the program opened no window"; return 1; }
    before=$(md5sum "$all_users/amorix.exe")
    local status=0
    "$WINE" "$SETUP" /S || status=$?
    [ "$status" != 0 ] || { echo "the installer reported success while the program ran"; return 1; }
    status=0
    uninstall_in_place 'C:\Program Files\QX Amorix' /AllUsers /S || status=$?
    [ "$status" != 0 ] || { echo "the uninstaller reported success while the program ran"; return 1; }
    [ "$(md5sum "$all_users/amorix.exe")" = "$before" ] && installed_files_in "$all_users" && has_entry HKLM \
        || { echo "something changed"; return 1; }
    xdotool windowfocus --sync "$main"
    keys alt+f x
    local exit_screen
    exit_screen=$(wait_for_new_window "$WINDOW_TITLE" "$main") || { echo "no exit screen"; return 1; }
    xdotool windowfocus --sync "$exit_screen"
    keys Return
    wait_for_exit "$app" 30 || { echo "the program did not end"; return 1; }
}

case_uninstall() {
    uninstall 'C:\Program Files\QX Amorix' /AllUsers /S || { echo "the uninstaller ended with $?"; return 1; }
    wait_until 30 test ! -e "$all_users" || { echo "left $(ls "$all_users")"; return 1; }
    [ "$(shortcuts)" = 0 ] && ! has_entry HKLM || { echo "left a shortcut or the entry"; return 1; }
}

case_install_for_this_user() {
    "$WINE" "$SETUP" /S /CurrentUser || { echo "the installer ended with $?"; return 1; }
    has_entry HKCU && ! has_entry HKLM || { echo "not an entry of this user's alone"; return 1; }
    local location dir
    location=$(entry HKCU InstallLocation)
    dir=$(unix_path "$location")
    installed_files_in "$dir" || { echo "files missing in $location"; return 1; }
    [[ "$dir" != *"Program Files"* ]] || { echo "installed under Program Files: $location"; return 1; }
    [ "$(shortcuts)" = 1 ] || { echo "$(shortcuts) shortcuts"; return 1; }
    uninstall "$location" /CurrentUser /S || { echo "the uninstaller ended with $?"; return 1; }
    wait_until 30 test ! -e "$dir" || { echo "left $(ls "$dir")"; return 1; }
    ! has_entry HKCU && [ "$(shortcuts)" = 0 ] || { echo "the uninstall left its entry or shortcut"; return 1; }
}

failures=0
for case in install_for_all_users install_over_it refused_while_running uninstall install_for_this_user; do
    # To a file, not a pipe: Wine's server outlives the case and would hold
    # a pipe open.
    if "case_$case" > "$SANDBOX/case.log" 2>&1; then
        echo "PASS: $case"
    else
        echo "FAIL: $case: $(tail -n 1 "$SANDBOX/case.log")"
        failures=$((failures + 1))
    fi
done
[ "$failures" = 0 ] || fail "$failures installer cases failed"
