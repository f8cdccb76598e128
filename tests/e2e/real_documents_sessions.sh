#!/usr/bin/env bash
# Both pages on documents as people open them: a hyperlink and a DATE field,
# a table, an inline picture, hidden text, a content control, a section break
# into a landscape section and Word's own numbering. Through the screen, each
# run read from the stand-in's state: every character still there in order,
# what the run means formatted and nothing else, a second run changing
# nothing, one undo giving the original back.
#
#   tests/e2e/real_documents_sessions.sh [BUILD_FOLDER]   (default build/win64)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=real-documents-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

# Nothing left alone: only the parts the official run recognised may follow.
completion='^自动排版完成。用时：(0|[1-9][0-9]*)(\.[0-9]*[1-9])?秒(\\n已识别：[^\\]*)?$'

# query JSON FILTER: one jq query of the document in a state.
query() { jq -c ".documents[0] | $2" <<<"$1" 2>&1; }

# What a run must leave as it found it, whichever page ran.
kept() {
    query "$1" '{
        hidden: [.paragraphs[].runs[] | select(.hidden) | .text],
        tables: [.paragraphs[] | select(.table > 0) | [.table, .ends_with, .alignment, .line_spacing_rule, .line_spacing,
                 .first_line_indent, .character_unit_first_line_indent, [.runs[].size], .mark.size]],
        sections: [.sections[] | .landscape]}'
}

# run_page BUTTON: one run to its completion message, which must be plain.
run_page() {
    click "$1"
    wait_box 60000 || abort "no completion message"
    check_match "the completion message, with nothing left alone" "$completion" "$box_text"
    dismiss_box
    wait_idle || check "the dialog is usable again" "idle" "$seen"
}

# The checks both pages share. $before and $after are the states.
check_real_document() {
    local characters_before characters_after
    characters_before="$(query "$before" '[.paragraphs[].text] | join("")')"
    characters_after="$(query "$after" '[.paragraphs[].text] | join("")')"
    check "every character is still there in order (fields with code and result, the picture, hidden text), the sign-off after them" \
        "${characters_before%\"}$1\"" "$characters_after"
    check "hidden text stays hidden; tables keep their paragraphs' format and their text's size; sections their orientation" \
        "$(kept "$before")" "$(kept "$after")"
    check "the picture's paragraph: single spacing, no first-line indent" '[[0,0,0]]' \
        "$(query "$after" '[.paragraphs[] | select(.text | contains("{PICTURE}")) | [.line_spacing_rule, .first_line_indent, .character_unit_first_line_indent]]')"
    check "the sign-off: plain paragraphs, no list number, no underline, no colour" \
        '[["",[0],[-16777216]],["",[0],[-16777216]],["",[0],[-16777216]]]' \
        "$(query "$after" '[.paragraphs[-3:][] | [.list_string, ([.runs[].underline, .mark.underline] | map(. // 0) | unique), ([.runs[].color, .mark.color] | map(. // -16777216) | unique)]]')"
}

# A second run changes nothing, and Ctrl+Z once gives the original back.
check_second_run_and_undo() {
    run_page "$1"
    probe state || abort "no document: $seen"
    check "a second run leaves the document as the first did" "$(query "$after" 'del(.selection)')" \
        "$(query "$seen" 'del(.selection)')"
    check "one undo takes the run back" "1" "$(standin_number Undo)"
    probe state || abort "no document: $seen"
    check "after one undo the document is the original" "$(query "$before" 'del(.selection, .undo)')" \
        "$(query "$seen" 'del(.selection, .undo)')"
}

session_report() {
    say "== the first page on a report with fields, a table, a picture, hidden text and section breaks"
    standin_start "$e2e_root/samples/report-rich.txt"
    program_start "$(program_folder)"
    probe state || abort "no document: $seen"
    before="$seen"
    run_page RzButton2
    probe state || abort "no document: $seen"
    after="$seen"
    check_real_document "审核人：                起草人：此处写部门名称$(date +%Y年%-m月%-d日)"
    check "the title's first line in 18 pt 宋体, bold" '[["宋体",18,1]]' \
        "$(query "$after" '[.paragraphs[0].runs[] | [.font_name, .size, .bold]] | unique')"
    check "the body outside tables: exactly 25 pt, 14 pt 宋体" '[[4,25,14]]' \
        "$(query "$after" '[.paragraphs[] | select(.table == 0 and (.text | test("^(根据|我们|下一步)"))) | [.line_spacing_rule, .line_spacing, .runs[0].size]] | unique')"
    check "text in tables takes the body's font" '["宋体"]' \
        "$(query "$after" '[.paragraphs[] | select(.table > 0) | .runs[].font_name] | unique')"
    check_second_run_and_undo RzButton2
    program_close || check "the window closes" "closed" "open"
    standin_quit
}

session_official_document() {
    say "== the second page on an official document with fields, a table, a picture, hidden text, a content control and a landscape section"
    standin_start "$e2e_root/samples/official-rich.txt"
    program_start "$(program_folder)"
    click Tab2
    probe state || abort "no document: $seen"
    before="$seen"
    run_page RzButton3
    probe state || abort "no document: $seen"
    after="$seen"
    check_real_document "此处写发文机关$(date +%Y年%-m月%-d日)"
    check "the body outside tables: exactly 28.95 pt, 16 pt 仿宋_GB2312, two characters in" '[[4,28.95,2,"仿宋_GB2312",16]]' \
        "$(query "$after" '[.paragraphs[] | select(.table == 0 and (.text | test("^(为切实|节日期间|利用)"))) | [.line_spacing_rule, .line_spacing, .character_unit_first_line_indent, .runs[0].name_far_east, .runs[0].size]] | unique')"
    check "text in tables takes the body's fonts at its own size" '[["Times New Roman","仿宋_GB2312",10.5]]' \
        "$(query "$after" '[.paragraphs[] | select(.table > 0) | .runs[] | [.font_name, .name_far_east, .size]] | unique')"
    check "headings after fields, after the table and after the section break; Word's numbers in the heading's font" \
        '[["提高思想认识",[["黑体","黑体"]]],["压实安全责任。",[["楷体_GB2312","楷体_GB2312"]]],["（二）强化宣传教育",[["楷体_GB2312","楷体_GB2312"]]],["加强督促检查",[["黑体","黑体"]]]]' \
        "$(query "$after" '[.paragraphs[] | select(.text | test("^(提高|压实|（二）|加强)")) | [.runs[0].text, [[.runs[0].name_far_east, .mark.name_far_east]]]]')"
    check "every section has its page numbers or shows the previous one's" 'true' \
        "$(query "$after" '[.sections[] | (.footers.primary.text == "— { PAGE |1} —" and .footers.even_pages.text == "— { PAGE |1} —") or (.footer_linked[0] and .footer_linked[2])] | all')"
    check_second_run_and_undo RzButton3
    program_close || check "the window closes" "closed" "open"
    standin_quit
}

before=""
after=""
e2e_start
standin_register
session_report
session_official_document
e2e_summary
