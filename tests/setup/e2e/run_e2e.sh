#!/usr/bin/env bash
# End-to-end run of setuplaunch.exe under Wine on a private X server (Xvfb), driven by
# the keyboard with xdotool. A stand-in Application Manager is registered under the
# App Paths key; it records the command line it was started with, which is checked.
#
# usage: run_e2e.sh BIN_DIR WORK_DIR
#   BIN_DIR   holds setuplaunch.exe and ceappmgr-standin.exe
#   WORK_DIR  scratch folder; the Wine prefix in it is created once and reused
set -euo pipefail

bin_dir=$(realpath "$1")
work=$(realpath -m "$2")
mkdir -p "$work"

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is created, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

readonly TITLE='^Quorvel Astrology Setup$'
readonly APP_PATHS='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\CEAPPMGR.EXE'
readonly MANAGER_DIR="$WINEPREFIX/drive_c/Program Files/Stand In Manager"
readonly MANAGER_PATH='C:\Program Files\Stand In Manager\ceappmgr.exe'
readonly RECORD="$MANAGER_DIR/command-line.txt"
readonly FOLDER_MEDIUM="$WINEPREFIX/drive_c/Setup Medium"
readonly ROOT_MEDIUM="$work/medium-root"  # mapped to drive E:

xvfb_pid=
launcher_pid=
failures=0

log() { printf 'setup-e2e: %s\n' "$*"; }

cleanup() {
    if [ -n "$launcher_pid" ]; then kill "$launcher_pid" 2>/dev/null || true; fi
    if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# wait_until SECONDS COMMAND...: polls COMMAND every 0.2 s; false on timeout.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then return 1; fi
        sleep 0.2
    done
}

start_display() {
    local display_file="$work/display"
    rm -f "$display_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 20 test -s "$display_file" || { log "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$display_file")"
}

prepare_prefix() {
    if [ -f "$WINEPREFIX/.setup-e2e-ready" ]; then return; fi
    log "creating the Wine prefix (once)"
    rm -rf "$WINEPREFIX"
    timeout 180 wineboot -i >"$work/wineboot.log" 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.setup-e2e-ready"
}

prepare_media() {
    mkdir -p "$MANAGER_DIR" "$FOLDER_MEDIUM/bin" "$ROOT_MEDIUM/bin"
    cp "$bin_dir/ceappmgr-standin.exe" "$MANAGER_DIR/ceappmgr.exe"
    for medium in "$FOLDER_MEDIUM" "$ROOT_MEDIUM"; do
        cp "$bin_dir/setuplaunch.exe" "$medium/"
        printf '[CEAppManager]\r\nVersion = 1.0\r\nComponent = Quorvel Astrology\r\n' >"$medium/bin/setup.ini"
    done
    ln -sfn "$ROOT_MEDIUM" "$WINEPREFIX/dosdevices/e:"
}

register_manager() {
    wine reg add "$APP_PATHS" /ve /d "$1" /f >/dev/null 2>&1
}

unregister_manager() {
    wine reg delete "$APP_PATHS" /f >/dev/null 2>&1 || true
}

visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# The id of the visible setup page once one other than $1 is up.
next_page() {
    local previous=$1 page=
    page_up() {
        page=$(visible_window "$TITLE")
        [ -n "$page" ] && [ "$page" != "$previous" ]
    }
    wait_until 30 page_up || return 1
    printf '%s\n' "$page"
}

keys() {
    local window=$1
    shift
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.3
    xdotool key --delay 100 "$@"
    sleep 0.5
}

# run_launcher FOLDER: starts setuplaunch.exe with FOLDER as current directory.
run_launcher() {
    rm -f "$RECORD" "$work/exit-code"
    (cd "$1" && wine setuplaunch.exe >"$work/launcher.log" 2>&1; echo $? >"$work/exit-code") &
    launcher_pid=$!
}

# The launcher has ended with exit code 0 and left no window behind.
expect_clean_end() {
    if ! wait_until 30 test -s "$work/exit-code"; then
        fail "$1: the launcher did not end"
        return
    fi
    launcher_pid=
    [ "$(cat "$work/exit-code")" = 0 ] || fail "$1: exit code $(cat "$work/exit-code")"
    [ -z "$(visible_window "$TITLE")" ] || fail "$1: a setup page is still open"
}

fail() {
    log "FAIL: $*"
    failures=$((failures + 1))
}

expect_record() {
    local scenario=$1 expected=$2
    if ! wait_until 30 test -s "$RECORD"; then
        fail "$scenario: the Application Manager was not started"
        return
    fi
    sleep 0.5  # let the stand-in finish writing
    if ! diff -u <(printf '%s\n' "$expected") "$RECORD"; then
        fail "$scenario: unexpected command line"
    fi
}

expect_no_launch() {
    if [ -e "$RECORD" ]; then fail "$1: the Application Manager was started"; fi
}

# English from a folder with spaces: the radios are switched back and forth, and Next
# on the licence page does nothing until "I Agree" is checked.
scenario_english_folder() {
    local name="English, folder with spaces" page licence
    register_manager "$MANAGER_PATH"
    run_launcher "$FOLDER_MEDIUM"
    page=$(next_page "") || { fail "$name: no language page"; return; }
    keys "$page" alt+d alt+e Return
    licence=$(next_page "$page") || { fail "$name: no licence page"; return; }
    keys "$licence" alt+n
    keys "$licence" alt+a alt+d alt+n
    sleep 1
    expect_no_launch "$name: Next before agreeing"
    [ "$(visible_window "$TITLE")" = "$licence" ] || fail "$name: licence page closed without agreement"
    keys "$licence" alt+a alt+n
    expect_record "$name" "command line: \"$MANAGER_PATH\" \"C:\\Setup Medium\\bin\\setup.ini\"
argument: C:\\Setup Medium\\bin\\setup.ini
first line: [CEAppManager]"
    expect_clean_end "$name"
}

# German from the root of drive E: (one backslash before "bin").
scenario_german_drive_root() {
    local name="German, drive root" page licence
    register_manager "$MANAGER_PATH"
    run_launcher "$ROOT_MEDIUM"
    page=$(next_page "") || { fail "$name: no language page"; return; }
    keys "$page" alt+d Return
    licence=$(next_page "$page") || { fail "$name: no licence page"; return; }
    keys "$licence" alt+l alt+w
    expect_record "$name" "command line: \"$MANAGER_PATH\" \"E:\\bin\\setup.ini\"
argument: E:\\bin\\setup.ini
first line: [CEAppManager]"
    expect_clean_end "$name"
}

scenario_cancel_language_page() {
    local name="Cancel on the language page" page
    register_manager "$MANAGER_PATH"
    run_launcher "$FOLDER_MEDIUM"
    page=$(next_page "") || { fail "$name: no language page"; return; }
    keys "$page" Escape
    expect_clean_end "$name"
    expect_no_launch "$name"
}

# $1 names the case; the manager is registered as $2, or not at all when $2 is empty.
scenario_launch_error() {
    local name=$1 page licence error
    if [ -n "$2" ]; then register_manager "$2"; else unregister_manager; fi
    run_launcher "$FOLDER_MEDIUM"
    page=$(next_page "") || { fail "$name: no language page"; return; }
    keys "$page" Return
    licence=$(next_page "$page") || { fail "$name: no licence page"; return; }
    keys "$licence" alt+a alt+n
    found_error() { error=$(visible_window '^Error$'); [ -n "$error" ]; }
    if wait_until 30 found_error; then
        keys "$error" Return
    else
        fail "$name: no error message"
    fi
    expect_clean_end "$name"
    expect_no_launch "$name"
}

timed() {
    local begin=$SECONDS
    "$@"
    log "$1: $((SECONDS - begin)) s"
}

start=$SECONDS
start_display
prepare_prefix
prepare_media
# One Wine server for all runs, instead of one started (with its services) per run.
wineserver -p
log "prefix ready after $((SECONDS - start)) s"
timed scenario_english_folder
timed scenario_german_drive_root
timed scenario_cancel_language_page
timed scenario_launch_error "Application Manager not registered" ""
timed scenario_launch_error "Application Manager missing" 'C:\Program Files\Nowhere\ceappmgr.exe'
unregister_manager
log "finished in $((SECONDS - start)) s with $failures failure(s)"
[ "$failures" -eq 0 ]
