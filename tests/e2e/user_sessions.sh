#!/usr/bin/env bash
# Scripted user sessions: what a person does with tidyset.exe and Word (the
# stand-in), and what they see and keep afterwards.
#
#   tests/e2e/user_sessions.sh [BUILD_FOLDER]   (default build/win64)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=user-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

sample_report="$e2e_root/samples/report.txt"
today="$(date +%Y年%-m月%-d日)"
completion='^自动排版完成。用时：(0|[1-9][0-9]*)(\.[0-9]*[1-9])?秒$'

edits=(ymszLeft ymszRight ymszTop ymszBottom zwLine zwDuanQianDuanHou btDuanQianDuanHou)
combos=(zwFontName zwFontSize btFontName btFontSize)

# The texts of the seven edits and four combos, in that order.
dialog_values() {
    local name values=()
    for name in "${edits[@]}" "${combos[@]}"; do values+=("$name=$(control_text "$name")"); done
    printf '%s ' "${values[@]}"
}

# press_typeset: clicks "自动排版" and waits for the first message box.
press_typeset() {
    click RzButton2
    wait_box 60000
}

# The box on screen stands above the topmost dialog in the z-order of the
# real windows (a box behind it would leave the program looking frozen).
check_box_above_dialog() {
    probe zorder || abort "no z-order: $seen"
    local first_two
    first_two="$(printf '%s\n' "${seen_lines[@]}" | head -2 | cut -f2 | paste -sd '>')"
    [ "$first_two" = "$box_caption>Tidyset V090630" ] || say "z-order: $(printf '%s; ' "${seen_lines[@]}")"
    check "$1: the box above the dialog" "$box_caption>Tidyset V090630" "$first_two"
}

# Once the box has closed, the dialog is back on top of the topmost band.
check_dialog_topmost_again() {
    probe zorder || abort "no z-order: $seen"
    check "$1: the dialog is topmost again" "Tidyset V090630	topmost" "$(printf '%s' "${seen_lines[0]}" | cut -f2,3)"
}

# After a message box: the dialog is usable, the bar empty.
check_back_to_idle() {
    wait_idle || check "$1: the dialog is usable again" "idle" "$seen"
    check "$1: the typeset button is enabled" "enabled" "$(control_enabled RzButton2)"
    check "$1: the progress bar is back at 0" "empty" "$(progress_is_empty)"
}

session_first_start_and_two_runs() {
    say "== first start without system.ini, two runs on the sample report"
    local folder
    folder="$(program_folder)"
    standin_start "$sample_report"
    program_start "$folder"

    check "caption" "Tidyset V090630" "$(printf '%s' "$form_line" | cut -f7)"
    check "the window is opaque" "255" "$(form_alpha)"
    check "the built-in values are shown" \
        "ymszLeft=2.5 ymszRight=2.5 ymszTop=2.5 ymszBottom=2.5 zwLine=25 zwDuanQianDuanHou=0 btDuanQianDuanHou=0.5 zwFontName=宋体 zwFontSize=四号(14) btFontName=宋体 btFontSize=小二(18) " \
        "$(dialog_values)"
    check "the typeset button" "自动排版 enabled" "$(control_text RzButton2) $(control_enabled RzButton2)"
    local name
    for name in wbkh tshr zhyh DuanQian; do
        probe check "$name"
        check "$name is a check box, and ticked to other programs" "checkbox checked" "$(cut -f2,3 --output-delimiter=' ' <<<"$seen")"
    done
    # The open lists, measured from outside: whole entries only.
    for name in zwFontSize btFontSize zwFontName btFontName; do
        if [[ $name == *Size ]]; then click "$name" 8; else click "$name"; fi
        sleep 0.3
        probe open-list || { check "$name: the list opens" "open" "$seen"; continue; }
        check "$name: the open list's whole entries" "$([[ $name == *Size ]] && echo 8.00 || echo 14.00)" \
            "$(sed 's/.*entries=//' <<<"$seen")"
        xdo key Escape
    done
    screenshot e2e-dialog-before-run

    press_typeset
    check_match "the completion message" "$completion" "$box_text"
    check "the completion message's caption and icon" "提示 information" "$box_caption $box_icon"
    check_box_above_dialog "the completion message"
    screenshot e2e-completion-message
    dismiss_box
    check_back_to_idle "after the first run"
    check_dialog_topmost_again "after the completion message"

    probe render || abort "no document: $seen"
    local first_render="$seen"
    local expected
    expected="$(sed "s/{DATE}/$today/" "$e2e_here/expected/report_typeset.txt")"
    check "the typeset sample report" "$expected" "$first_render"
    probe state
    check_match "the document is back in the user's control and Word visible" '"visible":true.*"user_control":true' "$seen"

    press_typeset
    check_match "the second run's completion message" "$completion" "$box_text"
    dismiss_box
    check_back_to_idle "after the second run"
    probe render
    check "a second run leaves the document as the first did (no second sign-off block)" "$first_render" "$seen"
    check "one reviewer line" "1" "$(grep -c '审核人' <<<"$seen")"

    program_close || check "the window closes" "closed" "open"
    check "closing creates exactly the default system.ini" "$(ini_bytes_of "$e2e_here/expected/system_defaults.ini" | od -An -c)" \
        "$(od -An -c "$folder/system.ini" 2>/dev/null)"
    check "no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

session_no_document_and_word_closed() {
    say "== no document open, then Word closed"
    local folder
    folder="$(program_folder)"
    standin_start "$sample_report"
    program_start "$folder"

    probe close-documents
    press_typeset
    check "no document: the message" "请先打开待排版的文档。" "$box_text"
    check "no document: caption and icon" "提示 error" "$box_caption $box_icon"
    check_box_above_dialog "no document"
    dismiss_box
    wait_idle || check "no document: the dialog is usable again" "idle" "$seen"
    check "no document: the typeset button is enabled again" "enabled" "$(control_enabled RzButton2)"

    # Word closed: the click starts it (COM runs the registered stand-in,
    # which opens no document) and shows it.
    standin_quit
    press_typeset
    check "Word closed: the no-document message" "请先打开待排版的文档。" "$box_text"
    check "Word closed: caption and icon" "提示 error" "$box_caption $box_icon"
    probe standin-wait 1000 || check "Word closed: the click started Word" "running" "not running"
    probe state
    check_match "Word closed: the started Word is visible, without documents" '^\{"visible":true,"documents":\[\]' "$seen"
    dismiss_box
    wait_idle || check "Word closed: the dialog is usable again" "idle" "$seen"
    check "Word closed: the typeset button is enabled again" "enabled" "$(control_enabled RzButton2)"

    program_close || check "the window closes" "closed" "open"
    probe standin-wait 1000 || check "Word keeps running after Tidyset exits" "running" "not running"
    check "no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

session_bad_top_margin() {
    say "== a bad value in the top margin"
    local folder
    folder="$(program_folder)"
    standin_start "$sample_report"
    program_start "$folder"

    type_into zwLine "30"
    type_into ymszTop "abc"
    check "the typed values" "30 abc" "$(control_text zwLine) $(control_text ymszTop)"
    press_typeset
    check "the parsing error" "'abc' is not a valid floating point value." "$box_text"
    check "the error box's caption and icon" "tidyset error" "$box_caption $box_icon"
    check_box_above_dialog "the error box"
    screenshot e2e-error-box
    dismiss_box
    check_back_to_idle "after the parsing error"
    check "the typed values stay" "30 abc" "$(control_text zwLine) $(control_text ymszTop)"

    probe render
    check "no margin was set" "page margins: top 72, bottom 72, left 90, right 90" "${seen_lines[0]}"
    check_match "the line spacing typed before is applied" "^paragraph 1: left, .*line spacing exactly 30," \
        "${seen_lines[1]}"
    check_match "the body font is not yet set" "Times New Roman 10.5" "${seen_lines[2]}"

    program_close || check "the window closes" "closed" "open"
    check "no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

# Opens a font combo's list and moves down STEPS entries from the selected
# one with the keyboard.
choose_font() {
    click "$1"
    local i
    for ((i = 0; i < $2; i++)); do xdo key Down; done
    xdo key Return
}

# Opens a size combo's list with its arrow and moves up one entry.
choose_size_above() {
    click "$1" 8
    xdo key Up Return
}

session_typed_values_survive_a_restart() {
    say "== values typed into every control, kept in system.ini, shown again after a restart"
    local folder
    folder="$(program_folder)"
    program_start "$folder"

    type_into ymszLeft "3.1"
    type_into ymszRight "2.8"
    type_into ymszTop "3.7"
    type_into ymszBottom "3.5"
    type_into zwLine "28"
    type_into zwDuanQianDuanHou "0.25"
    type_into btDuanQianDuanHou "1.5"
    # "三" completes to "三号(16)".
    type_into zwFontSize "三"
    choose_size_above btFontSize
    choose_font zwFontName 1
    choose_font btFontName 3
    click tshr
    click DuanQian
    probe check tshr
    check "an unticked check box reads unticked" "checkbox unchecked" "$(cut -f2,3 --output-delimiter=' ' <<<"$seen")"
    local typed="ymszLeft=3.1 ymszRight=2.8 ymszTop=3.7 ymszBottom=3.5 zwLine=28 zwDuanQianDuanHou=0.25 btDuanQianDuanHou=1.5 zwFontName=文泉驿等宽正黑 zwFontSize=三号(16) btFontName=文泉驿正黑 btFontSize=二号(22) "
    check "the typed and chosen values" "$typed" "$(dialog_values)"

    # The thumb starts at the right end (255); drag it past the left end.
    local left top right bottom
    IFS=, read -r left top right bottom <<<"$(control_field RzTrackBar1 5)"
    local y=$(((top + bottom) / 2))
    # At a person's pace: the press lands before the thumb is moved.
    xdo mousemove $((right - 14)) $y sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove $((right - 100)) $y sleep 0.1 mousemove $(((left + right) / 2)) $y sleep 0.1 \
        mousemove $((left - 20)) $y sleep 0.2 mouseup 1
    check "the slider at its left end: alpha 100" "100" "$(form_alpha)"

    program_close || check "the window closes" "closed" "open"
    check "system.ini holds the typed values" "$(cat "$e2e_here/expected/system_typed.ini")" "$(ini_text "$folder")"
    check "system.ini's bytes (code page 936, CR LF)" "$(ini_bytes_of "$e2e_here/expected/system_typed.ini" | od -An -c)" \
        "$(od -An -c "$folder/system.ini" 2>/dev/null)"

    program_start "$folder"
    check "after a restart the typed values are shown" "$typed" "$(dialog_values)"
    check "after a restart the window is fully opaque" "255" "$(form_alpha)"
    local before
    before="$(od -An -c "$folder/system.ini")"
    program_close || check "the window closes" "closed" "open"
    # The check boxes were loaded too: closing again writes the same file.
    check "closing again writes the same system.ini" "$before" "$(od -An -c "$folder/system.ini" 2>/dev/null)"
}

session_close_during_a_long_run() {
    say "== a close during a long run waits for the run and its message"
    local folder document="$e2e_work/long_report.txt" i
    {
        echo "关于年度工作情况的报告"
        echo "各科室："
        for ((i = 3; i <= ${E2E_LONG_PARAGRAPHS:-400}; i++)); do echo "本段是报告的第${i}段，记述有关情况。"; done
    } >"$document"
    folder="$(program_folder)"
    standin_start "$document"
    program_start "$folder"

    # A run costs the same for any length of document: a Word busy for 10 s
    # (a dialog open in it) is what keeps this one going while the user closes.
    probe busy-for 10000 0x80010001
    click RzButton2
    sleep 4
    # Alt+F4, as a person closes the window, while the run holds the program.
    xdo key alt+F4
    wait_box 300000
    check_match "the run ends with its completion message" "$completion" "$box_text"
    check_box_above_dialog "the completion message after a close"
    sleep 1
    probe boxes
    check "the message stays until the user closes it" "1" "${#seen_lines[@]}"
    check "the window is still open under its message" "found" "$(probe form; cut -f2 <<<"$seen")"
    dismiss_box
    probe wait-no-form 10000 || check "after the message, the window closes" "closed" "open"
    program_wait_exit || check "tidyset.exe exits" "exited" "running"
    check "the settings are saved" "$(ini_bytes_of "$e2e_here/expected/system_defaults.ini" | od -An -c)" \
        "$(od -An -c "$folder/system.ini" 2>/dev/null)"
    probe render
    check "the whole document was typeset" "1" "$(grep -c '审核人' <<<"$seen")"
    check "no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

# A folder where no file can be created (chattr +i; root writes any other).
lock_folder() { chattr +i "$1" 2>/dev/null && ! touch "$1/probe" 2>/dev/null; }
unlock_folder() { chattr -i "$1" 2>/dev/null; }

session_settings_in_a_folder_without_create_rights() {
    say "== system.ini in a folder without create rights"
    local folder
    folder="$(program_folder)"
    ini_bytes_of "$e2e_here/expected/system_defaults.ini" >"$folder/system.ini"
    if ! lock_folder "$folder"; then
        unlock_folder "$folder"
        say "skipped: no folder without create rights can be made here"
        return
    fi
    program_start "$folder"
    type_into zwLine "28"
    program_close || check "the window closes" "closed" "open"
    check "system.ini is rewritten in place" "line=28" "$(ini_text "$folder" | grep -m1 '^line=')"

    # Without the file, nothing can be saved there: the box tells why and
    # asks; "否" keeps the window, "是" closes it without saving.
    unlock_folder "$folder"
    rm "$folder/system.ini"
    lock_folder "$folder"
    program_start "$folder"
    local bounds left top right bottom
    IFS=, read -r left top right bottom <<<"$(form_bounds)"
    xdo mousemove $((right - 12)) $((top + 9)) click 1
    wait_box 10000
    local line="${seen_lines[0]}"
    check_match "the save failure: the reason and the question" \
        '^Cannot create file ".*system\.ini"\. .+\.\\n\\n设置未能保存。仍要关闭窗口吗？' "$box_text"
    check "the save failure: caption, icon and buttons" "tidyset error 是(&Y) 否(&N)" \
        "$box_caption $box_icon $(printf '%s\n' "$line" | cut -f7- | sed 's/@[0-9,]*//g' | tr '\t' ' ')"
    check_box_above_dialog "the save failure"
    screenshot e2e-save-failure
    # The first button is "是", the second "否".
    local no_button
    no_button="$(printf '%s' "$line" | cut -f8)"
    IFS=, read -r left top right bottom <<<"${no_button#*@}"
    xdo mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
    probe wait-box-gone "$box_window" 5000 || check "否 closes the box" "closed" "open"
    wait_idle || check "否 keeps the window open and usable" "idle" "$seen"
    IFS=, read -r left top right bottom <<<"$(form_bounds)"
    xdo mousemove $((right - 12)) $((top + 9)) click 1
    wait_box 10000
    dismiss_box  # "是"
    probe wait-no-form 10000 || check "是 closes the window" "closed" "open"
    program_wait_exit || check "tidyset.exe exits" "exited" "running"
    check "nothing was saved" "(none)" "$(ini_text "$folder")"
    unlock_folder "$folder"
}

e2e_start
standin_register
session_first_start_and_two_runs
session_no_document_and_word_closed
session_bad_top_margin
session_typed_values_survive_a_restart
session_close_during_a_long_run
session_settings_in_a_folder_without_create_rights
e2e_summary
