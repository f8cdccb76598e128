#!/usr/bin/env bash
# WPS Writer as it is: a WPS that lacks some of Word's members (both pages
# complete without them and say what was left out; a second run looks up
# nothing), one that lacks a member the run cannot do without (told before
# any change), and a machine whose Word.Application does not start and
# whose WPS is registered for the user alone.
#
#   tests/e2e/wps_sessions.sh [BUILD_FOLDER]   (default build/win64)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=wps-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

sample="$e2e_root/samples/official.txt"
report="$e2e_here/documents/short_report.txt"
completion='^自动排版完成。用时：'
lacking=UndoRecord,LayoutMode,CharsLine,LinesPage,NameFarEast,CharacterUnitFirstLineIndent,Fields

# register_wps OPTIONS...: the stand-in as WPS Writer, and nothing as Word.
register_wps() {
    standins_ended
    "$WINE" "$standin_exe" /unregserver >/dev/null 2>&1
    "$WINE" "$standin_exe" /regserver --prog-id KWPS.Application --idle-exit "${E2E_STANDIN_IDLE:-120}" "$@" \
        >/dev/null 2>&1 || abort "the stand-in could not register as WPS"
    probe office wps
}

state_query() { jq -c ".documents[0] | $1" <<<"$wps_state" 2>&1; }

session_wps_lacking_members() {
    say "== a WPS Writer without $lacking"
    register_wps --without "$lacking" --document "$(winpath "$sample")"
    local folder
    folder="$(program_folder)"
    program_start "$folder"
    click Tab2
    click RzButton3
    wait_box 60000
    probe standin-wait 0 || abort "WPS Writer's stand-in does not run; the box: $box_caption $box_text"
    check_match "the official page completes" "$completion" "$box_text"
    check_match "it names what it left out" '\\nWPS 文字不支持：整个排版作为一步撤销、文档网格、页码，已跳过\\n' "$box_text"
    check_match "and what it did instead" '\\nWPS 文字不支持：按字符缩进、单独设置中文字体，已改用按磅值缩进、西文也用中文字体$' "$box_text"
    screenshot e2e-wps-lacking-members
    dismiss_box
    wait_idle || check "after the run: the dialog is usable again" "idle" "$seen"
    local first_trips first_lookups reads=0
    first_trips="$(standin_number RoundTrips)"
    first_lookups="$(standin_number NameLookups)"
    # The look-up reads objects before the frame's first call.
    while probe call-at $((reads + 1)) && [ -n "$seen" ] && [ "$seen" != "Application.Visible" ]; do
        reads=$((reads + 1))
    done
    probe state || abort "no document: $seen"
    wps_state="$seen"

    check "the page: A4, the margins, no grid" '[7,104.8802,99.211,79.3688,73.6996,0,0,0]' \
        "$(state_query '.page_setup | [.paper_size, .top, .bottom, .left, .right, .layout_mode, .lines_page, .chars_line]')"
    check "every line exactly 28.95 pt" '[[4,28.95]]' \
        "$(state_query '[.paragraphs[] | [.line_spacing_rule, .line_spacing]] | unique')"
    check "the title: centred, 22 pt 方正小标宋简体 by Font.Name" '[1,[["方正小标宋简体",22,0]]]' \
        "$(state_query '[.paragraphs[0].alignment, [.paragraphs[0].runs[] | [.font_name, .size, .bold]]]')"
    check "the body: justified, indented 32 pt (two characters of 16 pt) in points, 16 pt 仿宋_GB2312" \
        '[[3,32,0,[["仿宋_GB2312",16]]]]' \
        "$(state_query '[.paragraphs[] | select(.text | startswith("节日期间")) | [.alignment, .first_line_indent, .character_unit_first_line_indent, ([.runs[] | [.font_name, .size]] | unique)]]')"
    check "the headings in their fonts" '[["一、提高思想认识","黑体"],["（二）强化宣传教育","楷体_GB2312"]]' \
        "$(state_query '[.paragraphs[] | select(.text == "一、提高思想认识" or .text == "（二）强化宣传教育") | [.text, .runs[0].font_name]]')"
    check "the sign-off: right aligned, the date 32 pt (two characters) from the edge" '[2,2,32]' \
        "$(state_query '.paragraphs[-2:] | [.[0].alignment, .[1].alignment, .[1].right_indent]')"
    check "no page numbers without Fields" '""' "$(state_query '.sections[0].footers.primary.text')"
    check "without UndoRecord there is no undo step of the run" "0" "$(standin_number UndoStepCount)"

    # The same document again: the two runs differ by the look-up alone.
    probe open "$(winpath "$sample")"
    probe reset-counts
    click RzButton3
    wait_box 60000
    check_match "a second run completes" "$completion" "$box_text"
    dismiss_box
    wait_idle
    local second_trips second_lookups
    second_trips="$(standin_number RoundTrips)"
    second_lookups="$(standin_number NameLookups)"
    check "a second run looks up no name" "0" "$second_lookups"
    check "the second run reads nothing before the frame's first call" "Application.Visible" \
        "$(probe call-at 1; printf '%s' "$seen")"
    say "round trips of the first run on this server: $first_trips ($first_lookups name lookups, $reads reads" \
        "of the look-up and Application.Name); of a second run on the same document: $second_trips;" \
        "the look-up adds $((first_trips - second_trips)) on the first run, none after"
    probe state
    check "a second run leaves the document as the first did" "$wps_state" "$seen"

    # The first page on a report, through the same server.
    probe open "$(winpath "$report")"
    click Tab1
    probe reset-counts
    click RzButton2
    wait_box 60000
    check_match "the first page completes" "$completion" "$box_text"
    check_match "and names what it left out" '\\nWPS 文字不支持：整个排版作为一步撤销，已跳过\\nWPS 文字不支持：按字符缩进，已改用按磅值缩进$' "$box_text"
    dismiss_box
    wait_idle
    say "the first page's own names: $(standin_number NameLookups) lookups"
    probe open "$(winpath "$report")"
    probe reset-counts
    click RzButton2
    wait_box 60000
    check_match "a second run of the first page completes" "$completion" "$box_text"
    dismiss_box
    wait_idle
    check "a second run of the first page looks up no name" "0" "$(standin_number NameLookups)"
    program_close || check "the window closes" "closed" "open"
    check "no reference to WPS Writer's objects is left" "0" "$(standin_number References)"
    standin_quit
}

session_wps_without_paragraphs() {
    say "== a WPS Writer without Paragraphs"
    register_wps --without Paragraphs --document "$(winpath "$report")"
    program_start "$(program_folder)"
    click RzButton2
    wait_box 60000
    probe standin-wait 0 || abort "WPS Writer's stand-in does not run; the box: $box_caption $box_text"
    check "the run stops before it starts, naming the member" \
        "当前的文字处理程序（WPS 文字）不支持 Document.Paragraphs，无法排版。 提示 error" "$box_text $box_caption $box_icon"
    dismiss_box
    wait_idle || check "the dialog is usable again" "idle" "$seen"
    probe render
    local after="$seen"
    probe open "$(winpath "$report")"
    probe render
    check "the document is untouched" "$seen" "$after"
    check "no undo step" "0" "$(standin_number UndoStepCount)"
    program_close || check "the window closes" "closed" "open"
    standin_quit
}

session_broken_word_wps_for_the_user() {
    say "== Word.Application does not start; WPS Writer is registered for the user alone"
    standins_ended
    "$WINE" "$standin_exe" /unregserver >/dev/null 2>&1
    "$WINE" "$standin_exe" /regbrokenword >/dev/null 2>&1 || abort "could not register a broken Word"
    "$WINE" "$standin_exe" /regserver --prog-id KWPS.Application --per-user --document "$(winpath "$report")" \
        --idle-exit "${E2E_STANDIN_IDLE:-120}" >/dev/null 2>&1 || abort "the stand-in could not register for the user"
    probe office wps
    program_start "$(program_folder)"
    click RzButton2
    wait_box 60000
    check_match "the run reaches WPS Writer" "$completion" "$box_text"
    dismiss_box
    probe standin-wait 0 || check "WPS Writer's stand-in runs" "running" "$seen"
    check "the run is one undo step in WPS Writer" "1" "$(standin_number UndoStepCount)"
    program_close || check "the window closes" "closed" "open"
    standin_quit

    # Neither starts: each program tried has its line.
    "$WINE" "$standin_exe" /unregserver >/dev/null 2>&1
    "$WINE" "$standin_exe" /regbrokenword >/dev/null 2>&1
    program_start "$(program_folder)"
    click RzButton2
    wait_box 60000
    check_match "with no program that starts, the box names each one tried" \
        '^找不到可以使用的文字处理程序：\\nWord：.+\\nWPS 文字：未安装' "$box_text"
    screenshot e2e-no-word-processor
    dismiss_box
    program_close || check "the window closes" "closed" "open"
}

wps_state=""
e2e_start
trap '"$WINE" "$standin_exe" /unregserver >/dev/null 2>&1; e2e_cleanup' EXIT
session_wps_lacking_members
session_wps_without_paragraphs
session_broken_word_wps_for_the_user
e2e_summary
