#!/usr/bin/env bash
# Office sessions: a Word that is busy when "自动排版" is pressed, for a
# moment and for longer than Tidyset waits (the real 30 seconds), and WPS
# Writer registered in place of Word.
#
#   tests/e2e/office_sessions.sh [BUILD_FOLDER]   (default build/win64)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=office-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

document="$e2e_here/documents/short_report.txt"
document_path="$(winpath "$document")"
completion='^自动排版完成。用时：'
busy_message='^Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\\n.+\.$'
rejected=0x80010001  # RPC_E_CALL_REJECTED, what a Word with a dialog open answers

# run_to_completion WHAT: presses "自动排版", expects the completion message
# and closes it.
run_to_completion() {
    click RzButton2
    wait_box 60000
    check_match "$1: the completion message" "$completion" "$box_text" || return 1
    dismiss_box
    wait_idle || check "$1: the dialog is usable again" "idle" "$seen"
}

session_busy_word() {
    say "== Word busy for 2 s, then busy for longer than Tidyset waits"
    standin_start "$document"
    program_start "$(program_folder)"
    run_to_completion "an ordinary run" || abort "an ordinary run does not complete"
    probe render
    typeset_render="$seen"

    probe open "$document_path"
    probe reset-counts
    probe busy-for 2000 "$rejected"
    run_to_completion "a run on a Word busy for 2 s"
    probe render
    check "the busy Word's document is typeset as by an ordinary run" "$typeset_render" "$seen"
    check_match "Word was asked again while it was busy" '^[1-9][0-9]*$' "$(standin_number Rejections)"
    check "Word redraws again after the run" "1" "$(standin_number ScreenUpdating)"

    probe open "$document_path"
    probe busy-for 33000 "$rejected"
    click RzButton2
    local clicked=$EPOCHREALTIME
    wait_box 60000
    local waited
    waited="$(awk -v a="$clicked" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')"
    say "a Word busy for 33 s: the message came after $waited s"
    check_match "a Word busy for too long: the message says what to do" "$busy_message" "$box_text"
    check "a Word busy for too long: caption and icon" "tidyset error" "$box_caption $box_icon"
    check "Tidyset waited the 30 seconds, and no longer" "yes" \
        "$(awk -v w="$waited" 'BEGIN { print (w >= 29.5 && w < 33) ? "yes" : "no" }')"
    screenshot e2e-busy-word
    dismiss_box
    wait_idle || check "after a busy Word: the dialog is usable again" "idle" "$seen"
    check "after a busy Word: the typeset button is enabled" "enabled" "$(control_enabled RzButton2)"
    check "after a busy Word: the progress bar is at 0" "empty" "$(progress_is_empty)"
    check "after a busy Word: no undo record is left open" "0" "$(standin_number UndoRecordOpen)"
    program_close || check "the window closes" "closed" "open"
    standin_quit
}

session_wps_alone() {
    say "== WPS Writer registered, no Word"
    standins_ended
    "$WINE" "$standin_exe" /unregserver >/dev/null 2>&1
    "$WINE" "$standin_exe" /regserver --prog-id KWPS.Application --document "$document_path" \
        --idle-exit "${E2E_STANDIN_IDLE:-120}" >/dev/null 2>&1 || abort "the stand-in could not register as WPS"
    probe office wps
    program_start "$(program_folder)"
    run_to_completion "a run that starts WPS Writer"
    probe standin-wait 0 || abort "WPS Writer's stand-in does not run; the box: $box_caption $box_text"
    probe render
    check "the document in WPS Writer is typeset as in Word" "$typeset_render" "$seen"
    check "WPS Writer's undo list holds the run as one step" "1" "$(standin_number UndoStepCount)"
    program_close || check "the window closes" "closed" "open"
    check "no reference to WPS Writer's objects is left" "0" "$(standin_number References)"
    standin_quit
    probe office word
    "$WINE" "$standin_exe" /unregserver >/dev/null 2>&1
}

typeset_render=""
e2e_start
standin_register
session_busy_word
session_wps_alone
e2e_summary
