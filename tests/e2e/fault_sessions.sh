#!/usr/bin/env bash
# Fault sessions: for every call that a complete run makes to Word, a run in
# which Word fails that call, once with a Word exception and once by dying
# inside it. Whatever fails, the program shows the message, does not crash
# or hang, enables the typeset button again and empties the progress bar;
# a Word that is still there redraws again and has no undo record left
# open; once the program has exited, Word counts no reference left. A call
# of an optional step (the undo record, screen updating, making the added
# lines plain, ...) a run can do without: a Word exception there leaves a
# run that completes and names the step it left out.
#
#   tests/e2e/fault_sessions.sh [BUILD_FOLDER] [exception|drop]...
# E2E_FIRST_CALL and E2E_LAST_CALL limit the positions tried.
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=fault-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"
shift || true
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(exception drop)

# Title, second line, one body paragraph and a blank one at the end: every
# stage of the run has something to do.
document="$e2e_here/documents/short_report.txt"
document_path="$(winpath "$document")"
completion='^自动排版完成。用时：'
word_error=0x800A1745  # "the requested member of the collection does not exist"

press_typeset() {
    click RzButton2
    wait_box 30000
}

# One complete run with no fault; sets $calls to the member calls it made.
# The first run on a server also asks which members it lacks, once for the
# program's life: the runs counted and failed are the ones after it.
count_calls_of_a_run() {
    local run
    for run in first counted; do
        probe open "$document_path"
        probe reset-counts
        press_typeset
        check_match "a $run run without faults completes" "$completion" "$box_text" || abort "the run does not complete"
        dismiss_box
        wait_idle || abort "the dialog is not usable after a complete run: $seen"
    done
    calls="$(standin_number MemberCalls)"
    call_names=("")
    local k
    for ((k = 1; k <= calls; k++)); do
        probe call-at "$k" || abort "the stand-in does not name call $k"
        call_names+=("$seen")
    done
}

# A Word that is still there is as the run found it.
check_word_handed_back() {
    check "$1: Word redraws again" "1" "$(standin_number ScreenUpdating)"
    check "$1: no undo record is left open" "0" "$(standin_number UndoRecordOpen)"
}

# fault_run K KIND EXPECTED_MESSAGE: one run with call K failing.
fault_run() {
    local k="$1" kind="$2" expected="$3" where="$4 at call $1"
    press_typeset || { check "$where: a message box" "a box" "$box_text"; return; }
    if [ "$kind" = 0 ] && [[ "$box_text" =~ $completion ]] && [[ "$box_text" == *"Word 不支持："* ]]; then
        say "$where: an optional step, left out: ${box_text#*\n}"
        dismiss_box
        wait_idle 10000 || check "$where: the dialog is usable again" "idle" "$seen"
        return
    fi
    # The last calls come after the completion message: the user closes it
    # first, then the failure is shown.
    if [[ "$box_text" =~ $completion ]]; then
        dismiss_box
        wait_box 30000 || { check "$where: the error box after the completion message" "a box" "$box_text"; return; }
    fi
    check "$where: the message" "$expected" "$box_text"
    check "$where: caption and icon" "tidyset error" "$box_caption $box_icon"
    dismiss_box
    wait_idle 10000 || check "$where: the dialog is usable again" "idle" "$seen"
    program_alive || abort "$where: tidyset.exe is gone"
    check "$where: the typeset button is enabled again" "enabled" "$(control_enabled RzButton2)"
    check "$where: the progress bar is back at 0" "empty" "$(progress_is_empty)"
}

session_word_exceptions() {
    say "== a Word exception at every call of a run"
    local folder k
    folder="$(program_folder)"
    standin_start "$document"
    program_start "$folder"
    count_calls_of_a_run
    say "a complete run makes $calls calls"
    for ((k = ${E2E_FIRST_CALL:-1}; k <= ${E2E_LAST_CALL:-calls}; k++)); do
        probe open "$document_path"
        probe fail "$k" 0 "$word_error" "模拟的 Word 故障（第 $k 次调用）。 "
        fault_run "$k" 0 "模拟的 Word 故障（第 $k 次调用）。." "Word exception (${call_names[$k]})"
        check_word_handed_back "Word exception at call $k (${call_names[$k]})"
    done
    exception_positions=$calls
    program_close || check "the window closes" "closed" "open"
    check "after the exceptions, no reference to Word's objects is left" "0" "$(standin_number References)"
    check "after the exceptions, no Word object is left alive" "0" "$(standin_number ObjectsAlive)"
    standin_quit
}

session_dropped_connections() {
    say "== Word dying inside every call of a run"
    local folder k
    folder="$(program_folder)"
    standin_start "$document"
    program_start "$folder"
    count_calls_of_a_run
    for ((k = ${E2E_FIRST_CALL:-1}; k <= ${E2E_LAST_CALL:-calls}; k++)); do
        probe standin-wait 0 || standin_start "$document"
        probe open "$document_path"
        probe fail "$k" 3 0 "dropped"
        fault_run "$k" 3 "RPC 调用失败。." "dropped connection"
        probe standin-gone 5000 || check "dropped connection at call $k: Word is gone" "gone" "running"
    done
    drop_positions=$calls
    # Word started again: the next run finds it and completes.
    standin_start "$document"
    press_typeset
    check_match "after the drops, a run on a restarted Word completes" "$completion" "$box_text"
    dismiss_box
    program_close || check "the window closes" "closed" "open"
    check "after the drops, no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

exception_positions=0
drop_positions=0
e2e_start
standin_register
for kind in "${kinds[@]}"; do
    case "$kind" in
    exception) session_word_exceptions ;;
    drop) session_dropped_connections ;;
    *) abort "unknown fault kind $kind" ;;
    esac
done
say "fault positions tried: $exception_positions Word exceptions, $drop_positions dropped connections"
e2e_summary
