#!/usr/bin/env bash
# Sessions on the second page, "党政公文": an official document typeset to
# the national standard through the page's own "自动排版", what the page
# shows when a standard font is missing, the page's values and the active
# page kept in system.ini, and the page at 96 and 144 dpi.
#
#   tests/e2e/official_sessions.sh [BUILD_FOLDER]   (default build/win64)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../../build/win64}"
E2E_NAME=official-sessions
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

sample="$e2e_root/samples/official.txt"
completion='^自动排版完成。用时：(0|[1-9][0-9]*)(\.[0-9]*[1-9])?秒'
today="$(date +%Y年%-m月%-d日)"
replacements='HKCU\Software\Wine\Fonts\Replacements'

page_values() {
    local name values=()
    for name in gwTop gwBottom gwLeft gwRight gwBtFontName gwBtFontSize gwZwFontName gwZwFontSize gwZwLine \
        gwXwFontName gwYjFontName gwEjFontName gwFwjg; do
        values+=("$name=$(control_text "$name")")
    done
    printf '%s ' "${values[@]}"
}

# Which page is shown: "1" or "2".
shown_page() {
    if [ "$(control_field TabSheet2 4)" = visible ] && [ "$(control_field TabSheet1 4)" = hidden ]; then
        printf 2
    elif [ "$(control_field TabSheet1 4)" = visible ] && [ "$(control_field TabSheet2 4)" = hidden ]; then
        printf 1
    else
        printf 'neither or both'
    fi
}

# press_official WHAT: "自动排版" on the second page, to its first message.
press_official() {
    click RzButton3
    wait_box 60000
}


# One query of the typeset document in the stand-in's state JSON.
state_query() { jq -c ".documents[0] | $1" <<<"$official_state" 2>&1; }

# The standard's layout, point by point, as the stand-in Word holds it.
check_official_state() {
    check "1. page: A4, margins 3.7/3.5/2.8/2.6 cm, a grid of 22 lines of 28 characters" \
        '[7,104.8802,99.211,79.3688,73.6996,1,22,28]' \
        "$(state_query '.page_setup | [.paper_size, .top, .bottom, .left, .right, .layout_mode, .lines_page, .chars_line]')"
    check "1. every line exactly 28.95 pt" '[[4,28.95]]' \
        "$(state_query '[.paragraphs[] | [.line_spacing_rule, .line_spacing]] | unique')"
    check "2. the title: centred 22 pt 方正小标宋简体, not bold, one empty line under it" \
        '[1,[["方正小标宋简体",22,0]],""]' \
        "$(state_query '[.paragraphs[0].alignment, [.paragraphs[0].runs[] | [.name_far_east, .size, .bold]], .paragraphs[1].text]')"
    check "3. the addressee: flush left, no indent, body font" '["各区县人民政府，市政府各部门：",0,0,0,["仿宋_GB2312"]]' \
        "$(state_query '.paragraphs[2] | [.text, .alignment, .character_unit_first_line_indent, .first_line_indent, [.runs[].name_far_east]]')"
    check "4. the body: justified, two characters in, 16 pt 仿宋_GB2312" '[[3,2,[["仿宋_GB2312",16]]]]' \
        "$(state_query '[.paragraphs[] | select(.text | startswith("节日期间")) | [.alignment, .character_unit_first_line_indent, [.runs[] | [.name_far_east, .size]]]]')"
    check "5. the heading levels, in their font up to the first 。 when text follows" \
        '[[["一、提高思想认识","黑体",0]],[["（一）压实安全责任。","楷体_GB2312",0],["各","仿宋_GB2312",0]],[["1.开展隐患排查。","仿宋_GB2312",1],["重","仿宋_GB2312",0]],[["（","仿宋_GB2312",0]],[["(","仿宋_GB2312",0]],[["2．加强应急值守。","仿宋_GB2312",1],["严","仿宋_GB2312",0]],[["（二）强化宣传教育","楷体_GB2312",0]],[["二、加强督促检查","黑体",0]]]' \
        "$(state_query '[.paragraphs[] | select(.text | test("^(一、|二、|（一）|（二）|1\\.|2．|（1）|\\(2\\))")) | [.runs | to_entries[] | [if .key == 0 and (.value.bold == 1 or .value.name_far_east != "仿宋_GB2312") then .value.text else .value.text[0:1] end, .value.name_far_east, .value.bold]]]')"
    check "6. Latin letters and digits in Times New Roman everywhere" '["Times New Roman"]' \
        "$(state_query '[.paragraphs[].runs[].font_name] | unique')"
    check "7. and 9. the sign-off after one empty line, right aligned, the date two characters in; no trailing blank" \
        "[[\"\",3],[\"此处写发文机关\",2],[\"$today\",2,2]]" \
        "$(state_query '.paragraphs[-3:] | [[.[0].text, .[0].alignment], [.[1].text, .[1].alignment], [.[2].text, .[2].alignment, .[2].character_unit_right_indent]]')"
    check "8. page numbers: 14 pt 宋体 “— 1 —”, odd pages one character in from the right, even from the left" \
        '[-1,"— { PAGE |1} —",2,1,"— { PAGE |1} —",0,1,[["宋体",14]]]' \
        "$(state_query '[.page_setup.odd_and_even_pages_header_footer] + (.sections[0].footers | [.primary.text, .primary.paragraphs[0].alignment, .primary.paragraphs[0].character_unit_right_indent, .even_pages.text, .even_pages.paragraphs[0].alignment, .even_pages.paragraphs[0].character_unit_left_indent, ([.primary.paragraphs[0].runs[], .even_pages.paragraphs[0].runs[]] | map([.font_name, .size]) | unique)])')"
}

session_official_document() {
    say "== the official document typeset on the second page, twice; its values kept"
    local folder
    folder="$(program_folder)"
    # A system.ini written before there was a second page.
    local old="$e2e_work/first_page.ini"
    sed '/^\[gwwb\]/,$d' "$e2e_here/expected/system_defaults.ini" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$old"
    cp "$old" "$folder/system.ini"
    standin_start "$sample"
    program_start "$folder"

    check "the first page is shown first" "1" "$(shown_page)"
    click Tab2
    check "a click on the tab \"党政公文\" shows the second page" "2" "$(shown_page)"
    check "the second page's built-in values" \
        "gwTop=3.7 gwBottom=3.5 gwLeft=2.8 gwRight=2.6 gwBtFontName=方正小标宋简体 gwBtFontSize=二号(22) gwZwFontName=仿宋_GB2312 gwZwFontSize=三号(16) gwZwLine=28.95 gwXwFontName=Times New Roman gwYjFontName=黑体 gwEjFontName=楷体_GB2312 gwFwjg=此处写发文机关 " \
        "$(page_values)"
    check "with every standard font installed, no substitute is named" "|||" \
        "$(control_text gwBtFontNote)|$(control_text gwZwFontNote)|$(control_text gwYjFontNote)|$(control_text gwEjFontNote)"
    local name
    for name in gwLk gwYm gwKh; do
        probe check "$name"
        check "$name is ticked" "checkbox checked" "$(cut -f2,3 --output-delimiter=' ' <<<"$seen")"
    done
    screenshot e2e-official-page-96dpi

    press_official
    check_match "the completion message" "$completion" "$box_text"
    check "the completion message's caption and icon" "提示 information" "$box_caption $box_icon"
    dismiss_box
    wait_idle || check "after the run: the dialog is usable again" "idle" "$seen"
    check "after the run: both typeset buttons are enabled" "enabled enabled" \
        "$(control_enabled RzButton2) $(control_enabled RzButton3)"
    check "after the run: the progress bar is back at 0" "empty" "$(progress_is_empty)"
    probe state || abort "no document: $seen"
    official_state="$seen"
    check_official_state

    press_official
    check_match "the second run's completion message" "$completion" "$box_text"
    dismiss_box
    probe state
    check "a second run leaves the document as the first did" "$official_state" "$seen"

    # Chinese text typed at a person's pace: the input method stays on here.
    click gwFwjg
    xdo key End shift+Home
    xdo type --delay 150 "北京市人民政府办公厅"
    type_into gwZwLine "29"
    click gwYm
    program_close || check "the window closes" "closed" "open"
    check "the first page's sections of system.ini are unchanged, byte for byte, the second page's after them" \
        "$(od -An -c "$old") [gwwb]" \
        "$(head -c "$(stat -c %s "$old")" "$folder/system.ini" | od -An -c) $(tail -c +"$(($(stat -c %s "$old") + 1))" "$folder/system.ini" | head -c 6)"
    check "system.ini keeps the second page's values and the active page" \
        "yema=0 fwjg=北京市人民政府办公厅 line=29 active=1" \
        "$(ini_text "$folder" | sed -n '/^\[gwwb\]/,$p' | grep -E '^(yema|fwjg|line|active)=' | paste -sd ' ')"

    program_start "$folder"
    check "after a restart the second page is shown" "2" "$(shown_page)"
    check "after a restart its values are shown" "北京市人民政府办公厅 29" "$(control_text gwFwjg) $(control_text gwZwLine)"
    probe check gwYm
    check "after a restart 页码 stays unticked" "checkbox unchecked" "$(cut -f2,3 --output-delimiter=' ' <<<"$seen")"
    xdo key ctrl+Tab
    check "Ctrl+Tab shows the first page" "1" "$(shown_page)"
    program_close || check "the window closes" "closed" "open"
    check "the first page active at close is kept" "active=0" "$(ini_text "$folder" | grep '^active=')"
    check "no reference to Word's objects is left" "0" "$(standin_number References)"
    standin_quit
}

# Without 方正小标宋简体 (its replacement deleted from the prefix), the title
# combo starts on 华文中宋 and the page and the message name the substitute.
session_missing_title_font() {
    say "== the standard's title font is missing"
    "$WINE" reg delete "$replacements" /v 方正小标宋简体 /f >/dev/null 2>&1
    local folder
    folder="$(program_folder)"
    standin_start "$sample"
    program_start "$folder"
    click Tab2
    check "the title combo starts on the chain's first installed font" "华文中宋" "$(control_text gwBtFontName)"
    check "the page names the substitute" "未安装方正小标宋简体，已用华文中宋" "$(control_text gwBtFontNote)"
    check "the other notes stay empty" "||" \
        "$(control_text gwZwFontNote)|$(control_text gwYjFontNote)|$(control_text gwEjFontNote)"
    screenshot e2e-official-missing-font
    press_official
    check_match "the completion message names the substitute" "未安装方正小标宋简体，已用华文中宋" "$box_text"
    dismiss_box
    # Another font chosen: the note follows.
    click gwBtFontName
    xdo key Down Return
    check "the note follows the chosen font" "未安装方正小标宋简体，已用$(control_text gwBtFontName)" \
        "$(control_text gwBtFontNote)"
    program_close || check "the window closes" "closed" "open"
    standin_quit
    restore_title_font
}

# A whole 公文 (header, two-line title, table, attachment note, joint
# sign-off, annotation, attachment, imprint) on a system with none of the
# body's chain: every part read back from the stand-in's state.
session_full_document() {
    say "== a whole official document, none of the body font's chain installed"
    local font
    for font in 仿宋_GB2312 仿宋; do "$WINE" reg delete "$replacements" /v "$font" /f >/dev/null 2>&1; done
    standin_start "$e2e_root/samples/official-full.txt"
    program_start "$(program_folder)"
    click Tab2
    check "10. the body combo names the chain's standard font, the note says Word will substitute it" \
        "仿宋_GB2312|未安装仿宋_GB2312、仿宋、华文仿宋，Word 将替换显示" \
        "$(control_text gwZwFontName)|$(control_text gwZwFontNote)"
    probe state || abort "no document: $seen"
    local tables='[.documents[0].paragraphs[] | select(.table != 0) | del(.runs, .mark)]'
    local table_before
    table_before="$(jq -c "$tables" <<<"$seen")"
    press_official
    check_match "11. the message names every part recognised, and the font Word will substitute" \
        '\\n已识别：版头、标题（2 行）、主送机关、附件说明、落款、附注、附件、版记\\n未安装仿宋_GB2312、仿宋、华文仿宋，Word 将替换显示$' \
        "$box_text"
    dismiss_box
    probe state || abort "no document: $seen"
    official_state="$seen"
    check "the tables keep their layout" "$table_before" "$(jq -c "$tables" <<<"$seen")"
    # p TEXT: the paragraph that starts with TEXT; q TEXT: the one that is
    # TEXT; at TEXT: its index; fonts: its runs' East Asian fonts and sizes
    # (and colour, when not automatic); indents: alignment, left, first line
    # and right in characters, first line in points; pt: to 0.01 pt.
    local p='def p($t): [.paragraphs[] | select(.text | startswith($t))][0];
        def q($t): [.paragraphs[] | select(.text == $t)][0];
        def at($t): [.paragraphs[].text] | map(startswith($t)) | index(true);
        def fonts: [.runs[] | [.name_far_east, .size] + (if .color then [.color] else [] end)] | unique;
        def indents: [.alignment, .character_unit_left_indent, .character_unit_first_line_indent,
            .character_unit_right_indent, .first_line_indent];
        def pt: . * 100 | round / 100;'
    # A line of the body is exactly 28.95 pt; a millimetre is 72 / 25.4 pt.
    check "1. header: 份号, 密级, 紧急程度 16 pt 黑体 flush left; the red 48 pt mark centred and single-spaced, 35 mm down less those three lines; right under it the number, centred, two lines down, over a red 1.5 pt rule 4 mm under it" \
        '[[[[["黑体",16]],[0,0,0,0,0]]],[[["方正小标宋简体",48,255]],1,0,12.36],1,[[["仿宋_GB2312",16]],1,57.9,[1,12,255],11.34]]' \
        "$(state_query "$p"'[([(p("000001"), p("机密"), p("特急")) | [fonts, indents]] | unique), (p("某某市人民政府文件") | [fonts, .alignment, .line_spacing_rule, (.space_before | pt)]), at("某政发") - at("某某市人民政府文件"), (p("某政发") | [fonts, .alignment, .space_before, (.border_bottom | [.line_style, .line_width, .color]), (.border_distance_from_bottom | pt)])]')"
    check "2. and 3. the title right under the number, two lines under the rule, both lines centred in 22 pt 方正小标宋简体 (Times New Roman for Latin), one empty line, the addressee flush left" \
        '[1,57.9,[1,1],[["Times New Roman","方正小标宋简体",22,0]],"",2,[0,0,0,0,0]]' \
        "$(state_query "$p"'[at("关于开展") - at("某政发"), p("关于开展").space_before, ([p("关于开展"), p("暨隐患")] | map(.alignment)), ([p("关于开展"), p("暨隐患")] | [.[].runs[] | [.font_name, .name_far_east, .size, .bold]] | unique), .paragraphs[at("暨隐患") + 1].text, at("各区县") - at("暨隐患"), (p("各区县") | indents)]')"
    check "4. headings: 黑体; 楷体 up to the first 。; the third level bold up to its 。; in the attachment too" \
        '[[["黑体",16]],[["（一）压实安全责任。","楷体_GB2312",0],["各地要落实党政领导责任、部门监管责任和企业主体责任。","仿宋_GB2312",0]],[["1.开展隐患排查。",1],[1,0]],[["黑体",16]]]' \
        "$(state_query "$p"'[(p("一、总体要求") | fonts), (p("（一）压实") | [.runs[] | [.text, .name_far_east, .bold]]), (p("1.开展") | [[.runs[0] | .text, .bold], [.runs[].bold]]), (p("一、检查范围") | fonts)]')"
    check "5. to 7. after an empty line, the attachment note hanging under its first name; after another, both organs and the date right-aligned; the annotation two characters in" \
        '["",[0,6,-4,0,0],[0,6,-1,0,0],["","某某市人民政府","某某市应急管理局","2026年12月8日"],[[2,0,0,2.5,0],[2,0,0,2.5,0],[2,0,0,2,0]],[0,0,2,0,0]]' \
        "$(state_query "$p"'[.paragraphs[at("附件：1.") - 1].text, (p("附件：1."), p("2.隐患") | indents), [.paragraphs[at("附件：1.") + 2:at("附件：1.") + 6][].text], [(q("某某市人民政府"), q("某某市应急管理局"), q("2026年12月8日")) | indents], (p("（此件") | indents)]')"
    check "8. the attachment on a new page, its label 16 pt 黑体 flush left, its title centred in 22 pt 方正小标宋简体 on the third line" \
        '[-1,[["黑体",16]],[0,0,0,0,0],[1,[["方正小标宋简体",22]],28.95]]' \
        "$(state_query "$p"'[p("附件1").page_break_before, (p("附件1") | fonts, indents), (p("安全生产大检查工作方案") | [.alignment, fonts, .space_before])]')"
    # The type area is 595.3 pt less margins of 2.8 and 2.6 cm; the date
    # stops one character of 14 pt before its edge.
    check "9. the imprint: 14 pt 仿宋_GB2312 one character in on both sides, 抄送 wrapped after its colon, the date at a right tab stop one character inside the edge; thick rules above and below, a thin one between" \
        '[[["仿宋_GB2312",14]],[0,4,-3,1,0],[0,1,0,1,0],"某某市人民政府办公室\t2026年12月8日印发",[[428.23,2]],[1,8],[1,6],[1,8]]' \
        "$(state_query "$p"'[(p("抄送") | fonts), (p("抄送") | indents), (.paragraphs[-1] | indents), .paragraphs[-1].text, [.paragraphs[-1].tab_stops[] | [(.position | pt), .alignment]], (p("抄送") | .border_top | [.line_style, .line_width]), (p("抄送") | .border_bottom | [.line_style, .line_width]), (.paragraphs[-1] | .border_bottom | [.line_style, .line_width])]')"
    press_official
    dismiss_box
    probe state
    check "a second run leaves the whole document as the first did" "$official_state" "$seen"
    program_close || check "the window closes" "closed" "open"
    standin_quit
    restore_body_fonts
}

restore_body_fonts() {
    local font
    for font in 仿宋_GB2312 仿宋; do
        "$WINE" reg add "$replacements" /v "$font" /t REG_SZ /d "$(tidyset_song_face)" /f >/dev/null 2>&1
    done
}

restore_title_font() {
    "$WINE" reg add "$replacements" /v 方正小标宋简体 /t REG_SZ /d "$(tidyset_song_face)" /f >/dev/null 2>&1
}

# The second page at 144 dpi (the prefix's resolution, read at start-up).
session_high_resolution() {
    say "== the second page at 144 dpi"
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    program_start "$(program_folder)"
    click Tab2
    check "at 144 dpi the second page is shown" "2" "$(shown_page)"
    screenshot e2e-official-page-144dpi
    program_close || check "the window closes" "closed" "open"
    restore_resolution
}

restore_resolution() {
    "$WINE" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
}

official_state=""
e2e_start
# Whatever happens, the prefix is left as the recipe made it.
trap 'restore_title_font; restore_body_fonts; restore_resolution; e2e_cleanup' EXIT
standin_register
session_official_document
session_missing_title_font
session_full_document
session_high_resolution
e2e_summary
