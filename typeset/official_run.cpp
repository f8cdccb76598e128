#include "typeset/official_run.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialog/font_chains.h"
#include "platform/utf8.h"
#include "typeset/document_map.h"
#include "typeset/new_paragraphs.h"
#include "typeset/numbers.h"
#include "typeset/pictures.h"
#include "typeset/official_text.h"
#include "typeset/run_frame.h"

namespace typeset {

namespace {

// The standard's page: a grid of 22 lines of 28 characters.
inline constexpr float kLinesPage = 22;
inline constexpr float kCharsLine = 28;
inline constexpr float kBodyIndentCharacters = 2;
// Page numbers: 四号 宋体, the number line 7 mm below the type area.
inline constexpr const char* kPageNumberFont = "宋体";
inline constexpr float kPageNumberSize = 14;
inline constexpr float kPageNumberGapPoints = 7 * 72 / 25.4f;
// "— " and " —" around the page field, which goes between the two spaces.
inline constexpr const char* kPageNumberFrame = "\u2014  \u2014";
inline constexpr std::int32_t kPageFieldPosition = 2;
inline constexpr float kPageNumberIndentCharacters = 1;

using word::ObjectType;

// What the page's stages use of Word's objects, beyond the document map's.
const MemberTable kOfficialMembers = {
    needed(ObjectType::document, "Range"),
    needed(ObjectType::document, "PageSetup"),
    needed(ObjectType::range, "Delete"),
    needed(ObjectType::range, "InsertParagraphAfter"),
    needed(ObjectType::range, "InsertAfter"),
    needed(ObjectType::range, "ParagraphFormat"),
    needed(ObjectType::range, "Font"),
    needed(ObjectType::page_setup, "PaperSize"),
    needed(ObjectType::page_setup, "TopMargin"),
    needed(ObjectType::page_setup, "BottomMargin"),
    needed(ObjectType::page_setup, "LeftMargin"),
    needed(ObjectType::page_setup, "RightMargin"),
    for_step(ObjectType::page_setup, "LayoutMode", Step::document_grid),
    for_step(ObjectType::page_setup, "CharsLine", Step::document_grid),
    for_step(ObjectType::page_setup, "LinesPage", Step::document_grid),
    needed(ObjectType::paragraph_format, "Alignment"),
    needed(ObjectType::paragraph_format, "LeftIndent"),
    needed(ObjectType::paragraph_format, "RightIndent"),
    needed(ObjectType::paragraph_format, "FirstLineIndent"),
    needed(ObjectType::paragraph_format, "LineSpacingRule"),
    needed(ObjectType::paragraph_format, "LineSpacing"),
    needed(ObjectType::paragraph_format, "LineUnitBefore"),
    needed(ObjectType::paragraph_format, "LineUnitAfter"),
    needed(ObjectType::paragraph_format, "SpaceBeforeAuto"),
    needed(ObjectType::paragraph_format, "SpaceAfterAuto"),
    for_step(ObjectType::paragraph_format, "CharacterUnitLeftIndent", Step::character_indents),
    for_step(ObjectType::paragraph_format, "CharacterUnitRightIndent", Step::character_indents),
    for_step(ObjectType::paragraph_format, "CharacterUnitFirstLineIndent", Step::character_indents),
    needed(ObjectType::font, "Name"),
    needed(ObjectType::font, "Size"),
    needed(ObjectType::font, "Bold"),
    for_step(ObjectType::font, "NameFarEast", Step::far_east_font),
    for_step(ObjectType::document, "ListParagraphs", Step::list_headings),
    for_step(ObjectType::list_paragraphs, "Count", Step::list_headings),
    for_step(ObjectType::list_paragraphs, "Item", Step::list_headings),
    for_step(ObjectType::range, "ListFormat", Step::list_headings),
    for_step(ObjectType::list_format, "ListString", Step::list_headings),
    for_step(ObjectType::page_setup, "OddAndEvenPagesHeaderFooter", Step::page_numbers),
    for_step(ObjectType::page_setup, "DifferentFirstPageHeaderFooter", Step::page_numbers),
    for_step(ObjectType::page_setup, "FooterDistance", Step::page_numbers),
    for_step(ObjectType::document, "Sections", Step::page_numbers),
    for_step(ObjectType::sections, "Count", Step::page_numbers),
    for_step(ObjectType::sections, "Item", Step::page_numbers),
    for_step(ObjectType::section, "Footers", Step::page_numbers),
    for_step(ObjectType::headers_footers, "Item", Step::page_numbers),
    for_step(ObjectType::header_footer, "Range", Step::page_numbers),
    for_step(ObjectType::header_footer, "LinkToPrevious", Step::page_numbers),
    for_step(ObjectType::range, "SetRange", Step::page_numbers),
    for_step(ObjectType::range, "Fields", Step::page_numbers),
    for_step(ObjectType::fields, "Add", Step::page_numbers),
};

inline constexpr std::int16_t kProgressAfterStructure = 20;
inline constexpr std::int16_t kProgressAfterPage = 40;
inline constexpr std::int16_t kProgressAfterBody = 60;
inline constexpr std::int16_t kProgressAfterElements = 80;
inline constexpr std::int16_t kProgressAfterPageNumbers = 100;

// A sign-off from an earlier run (or typed by the user) ends with a date
// line; the issuing organ's name is the line above it unless that is blank.
std::optional<std::size_t> sign_off_date(const DocumentMap& map)
{
    const std::size_t last = map.last_written();
    const MappedParagraph& line = map.paragraphs[last];
    if (last >= 2 && !line.in_table && is_date_line(line.text)) return last;
    return std::nullopt;
}

// The edits that add or remove paragraphs, made before any format so that
// the formats reach what they add. Each is one range and one call however
// long the document is. Returns the document as it then is.
DocumentMap edit_paragraphs(RunContext& run, Notes& notes)
{
    auto& document = run.document();
    DocumentMap map = read_document_map(run);
    bool edited = false;

    // Trailing blanks: everything from the end of the last written text to
    // the final mark, which Word keeps. A table's end stays, and so does a
    // section break.
    if (run.dialog.checked(CheckBox::gwKh)) {
        const std::size_t last = map.last_written();
        if (last + 1 < map.paragraphs.size()) {
            const auto from = find_paragraph(run, map, last);
            const auto final_mark = find_paragraph(run, map, map.paragraphs.size() - 1);
            if (from && final_mark) {
                const std::int32_t start = map.keeps_mark(last) ? from->range.end : from->range.end - 1;
                const std::int32_t end = final_mark->range.end - 1;
                if (start < end) {
                    document.range(start, end)->delete_text(word::Unit::character, 1);
                    edited = true;
                }
            } else {
                note_skipped(notes, map.paragraphs.size() - 1);
            }
        }
    }

    // One empty line under the title.
    if (map.paragraphs.size() >= 2 && !map.paragraphs[1].blank) {
        if (const auto title = find_paragraph(run, map, 0)) {
            document.range(title->range.start, title->range.end)->insert_paragraph_after();
            edited = true;
        } else {
            note_skipped(notes, 0);
        }
    }

    // The issuing organ and the date, after one empty line, as paragraphs of
    // their own.
    if (run.dialog.checked(CheckBox::gwLk) && !sign_off_date(map)) {
        const std::string organ = platform::encode_utf8(trimmed(platform::decode_utf8(run.dialog.edit_text(Edit::gwFwjg))));
        const std::string organ_line = organ.empty() ? "" : organ + "\r";
        const std::string lines = "\r\r" + organ_line + format_date(run.platform.today());
        const auto whole = document.range();
        const std::int32_t end = whole->end();
        whole->insert_after(lines);
        make_plain(run, {end, end + utf16_length(platform::decode_utf8(lines))});
        edited = true;
    }

    if (edited) map = read_document_map(run);
    run.dialog.set_progress(kProgressAfterStructure);
    return map;
}

void set_up_page(RunContext& run)
{
    const auto page = run.document().page_setup();
    page->set_paper_size(word::PaperSize::a4);
    page->set_top_margin(run.centimetres_in_points(Edit::gwTop));
    page->set_bottom_margin(run.centimetres_in_points(Edit::gwBottom));
    page->set_left_margin(run.centimetres_in_points(Edit::gwLeft));
    page->set_right_margin(run.centimetres_in_points(Edit::gwRight));
    // The grid follows the type area the margins leave.
    run.optional(Step::document_grid, [&] {
        page->set_layout_mode(word::LayoutMode::grid);
        page->set_chars_line(kCharsLine);
        page->set_lines_page(kLinesPage);
    });
    if (run.dialog.checked(CheckBox::gwYm)) {
        run.optional(Step::page_numbers, [&] {
            page->set_odd_and_even_pages_header_footer(word::wdTrue);
            page->set_different_first_page_header_footer(word::wdFalse);
            // Footer distance is measured to the footer's bottom: one number
            // line below the 7 mm gap under the type area.
            page->set_footer_distance(run.centimetres_in_points(Edit::gwBottom) - kPageNumberGapPoints -
                                      kPageNumberSize);
        });
    }
    run.dialog.set_progress(kProgressAfterPage);
}

// Word keeps an indent in characters or in points, and one left over from
// before may hold in either: both are cleared.
void clear_first_line_indent(RunContext& run, word::ParagraphFormat& format)
{
    format.set_first_line_indent(0);
    run.optional(Step::character_indents, [&] { format.set_character_unit_first_line_indent(0); });
}

// An indent in characters; in points of that many characters of the given
// size where the server has no character units.
void indent_in_characters(RunContext& run, word::ParagraphFormat& format, void (word::ParagraphFormat::*in_characters)(float),
                          void (word::ParagraphFormat::*in_points)(float), float characters, float size)
{
    if (!run.optional(Step::character_indents, [&] { (format.*in_characters)(characters); }))
        (format.*in_points)(characters * size);
}

// The Chinese font of the text. Without NameFarEast, Font.Name takes it,
// and the Western letters go with it.
void set_chinese_font(RunContext& run, word::Font& font, const std::string& name)
{
    if (!run.optional(Step::far_east_font, [&] { font.set_name_far_east(name); })) font.set_name(name);
}

// Every paragraph outside tables in the body's format, one range for each
// stretch between tables: what the title, the addressee, the headings and
// the sign-off then change is theirs alone. Text in tables takes the body's
// fonts at its own size; a picture's paragraph keeps its lines whole.
void format_body(RunContext& run, const DocumentMap& map)
{
    auto& document = run.document();
    const auto content = document.content();
    const auto content_font = content->font();
    const auto format_part = [&](word::Range& range, word::Font& font) {
        const auto format = range.paragraph_format();
        format->set_alignment(word::ParagraphAlignment::justify);
        format->set_left_indent(0);
        run.optional(Step::character_indents, [&] { format->set_character_unit_left_indent(0); });
        format->set_right_indent(0);
        run.optional(Step::character_indents, [&] { format->set_character_unit_right_indent(0); });
        indent_in_characters(run, *format, &word::ParagraphFormat::set_character_unit_first_line_indent,
                             &word::ParagraphFormat::set_first_line_indent, kBodyIndentCharacters,
                             run.size(SizeCombo::gwZwFontSize));
        format->set_line_spacing_rule(word::LineSpacingRule::exactly);
        format->set_line_spacing(run.number(Edit::gwZwLine));
        format->set_line_unit_before(0);
        format->set_line_unit_after(0);
        format->set_space_before_auto(0);
        format->set_space_after_auto(0);
        font.set_size(run.size(SizeCombo::gwZwFontSize));
        font.set_bold(0);
    };
    if (map.tables.empty()) {
        format_part(*content, *content_font);
    } else {
        for (const Span& part : map.outside_tables(0, map.story_end)) {
            const auto range = document.range(part.start, part.end);
            format_part(*range, *range->font());
        }
    }
    // The Western font first: a Chinese font put as Font.Name would also
    // become the font of Chinese text.
    if (run.can(Step::far_east_font)) content_font->set_name(run.dialog.font_name(FontCombo::gwXwFontName));
    set_chinese_font(run, *content_font, run.dialog.font_name(FontCombo::gwZwFontName));
    run.dialog.set_progress(kProgressAfterBody);
}

struct Heading {
    std::size_t paragraph;
    HeadingLevel level;
    // Word draws the number, in the font of the paragraph's mark.
    bool numbered_by_word;
};

// Numbering Word generates: each list item's paragraph and level.
std::vector<Heading> list_headings(RunContext& run, const DocumentMap& map)
{
    std::vector<Heading> headings;
    const bool listed = run.optional(Step::list_headings, [&] {
        const auto items = run.document().list_paragraphs();
        const auto count = items->count();
        for (std::int32_t i = 1; i <= count; ++i) {
            const auto range = items->item(i)->range();
            const HeadingLevel level = heading_level(platform::decode_utf8(range->list_format()->list_string()));
            if (level == HeadingLevel::none) continue;
            const std::int32_t start = range->start();
            const auto found = locate_paragraph(map, start, map.exact ? std::string() : range->text());
            if (found) headings.push_back({*found, level, true});
        }
    });
    if (!listed) headings.clear();
    return headings;
}

// How many characters of a heading paragraph take the heading's font; all
// of them when no body text follows the heading in the paragraph.
std::size_t heading_characters(const MappedParagraph& paragraph)
{
    const std::int32_t length = utf16_length(paragraph.text);
    const std::int32_t extent = heading_extent(TextParagraph{0, length, paragraph.text});
    if (extent > length) return paragraph.text.size();
    std::size_t characters = 0;
    for (std::int32_t units = 0; units < extent && characters < paragraph.text.size(); ++characters)
        units += paragraph.text[characters] > 0xFFFF ? 2 : 1;
    return characters;
}

void format_heading(RunContext& run, const DocumentMap& map, const Heading& heading, Notes& notes)
{
    if (heading.level == HeadingLevel::four) return;  // the body's font already
    const auto found = find_paragraph(run, map, heading.paragraph);
    const MappedParagraph& paragraph = map.paragraphs[heading.paragraph];
    const std::size_t characters = heading_characters(paragraph);
    std::vector<Span> spans;
    if (!found) {
        note_skipped(notes, heading.paragraph);
        return;
    }
    if (characters == paragraph.text.size()) {
        spans.push_back(found->range);
    } else if (const auto part = text_span(map, heading.paragraph, *found, 0, characters)) {
        spans.push_back(*part);
        // The number Word draws takes the mark's font.
        if (heading.numbered_by_word) spans.push_back({found->range.end - 1, found->range.end});
    } else {
        note_skipped(notes, heading.paragraph);
        return;
    }
    for (const Span& span : spans) {
        const auto font = run.document().range(span.start, span.end)->font();
        switch (heading.level) {
        case HeadingLevel::one: set_chinese_font(run, *font, run.dialog.font_name(FontCombo::gwYjFontName)); break;
        case HeadingLevel::two: set_chinese_font(run, *font, run.dialog.font_name(FontCombo::gwEjFontName)); break;
        default: font->set_bold(1); break;
        }
    }
}

void place_sign_off_line(RunContext& run, const FoundParagraph& paragraph, float right_indent)
{
    const auto format =
        run.document().range(paragraph.range.start, paragraph.range.end)->paragraph_format();
    format->set_alignment(word::ParagraphAlignment::right);
    clear_first_line_indent(run, *format);
    indent_in_characters(run, *format, &word::ParagraphFormat::set_character_unit_right_indent,
                         &word::ParagraphFormat::set_right_indent, right_indent, run.size(SizeCombo::gwZwFontSize));
}

// The title: centred, in the title's font and size.
void format_title(RunContext& run, const DocumentMap& map, Notes& notes)
{
    if (map.paragraphs.front().in_table) {
        note_skipped(notes, 0);
    } else if (const auto title = find_paragraph(run, map, 0)) {
        const auto range = run.document().range(title->range.start, title->range.end);
        const auto font = range->font();
        set_chinese_font(run, *font, run.dialog.font_name(FontCombo::gwBtFontName));
        font->set_size(run.size(SizeCombo::gwBtFontSize));
        const auto format = range->paragraph_format();
        format->set_alignment(word::ParagraphAlignment::center);
        clear_first_line_indent(run, *format);
    } else {
        note_skipped(notes, 0);
    }
}

// The addressee, the first written line under the title when it ends with
// a colon: flush left. Returns its paragraph, if there is one.
std::optional<std::size_t> format_addressee(RunContext& run, const DocumentMap& map, Notes& notes)
{
    const auto& paragraphs = map.paragraphs;
    std::size_t first_body = 1;
    while (first_body < paragraphs.size() && paragraphs[first_body].blank && !paragraphs[first_body].in_table)
        ++first_body;
    // A heading that ends with a colon is still a heading.
    if (first_body >= paragraphs.size() || paragraphs[first_body].in_table ||
        !ends_with_colon(paragraphs[first_body].text) ||
        heading_level(paragraphs[first_body].text) != HeadingLevel::none)
        return std::nullopt;
    if (const auto line = find_paragraph(run, map, first_body)) {
        const auto format = run.document().range(line->range.start, line->range.end)->paragraph_format();
        format->set_alignment(word::ParagraphAlignment::left);
        clear_first_line_indent(run, *format);
    } else {
        note_skipped(notes, first_body);
    }
    return first_body;
}

// The sign-off the run lays out: its date line, and the issuing organ's
// line above it when that is written.
struct SignOff {
    std::optional<std::size_t> date_line;
    bool with_organ = false;
    // Its first paragraph.
    std::optional<std::size_t> start;
};

SignOff find_sign_off(RunContext& run, const DocumentMap& map)
{
    SignOff sign_off;
    if (run.dialog.checked(CheckBox::gwLk)) sign_off.date_line = sign_off_date(map);
    if (!sign_off.date_line) return sign_off;
    const MappedParagraph& above = map.paragraphs[*sign_off.date_line - 1];
    sign_off.with_organ = !above.blank && !above.in_table;
    sign_off.start = sign_off.with_organ ? *sign_off.date_line - 1 : *sign_off.date_line;
    return sign_off;
}

// The headings by their numbers, typed or drawn by Word, outside tables and
// other than the addressee and the sign-off.
void format_headings(RunContext& run, const DocumentMap& map, std::optional<std::size_t> addressee,
                     const SignOff& sign_off, Notes& notes)
{
    const auto& paragraphs = map.paragraphs;
    std::vector<Heading> headings(paragraphs.size(), Heading{0, HeadingLevel::none, false});
    for (std::size_t i = 1; i < paragraphs.size(); ++i) headings[i] = {i, heading_level(paragraphs[i].text), false};
    for (const Heading& heading : list_headings(run, map))
        if (headings[heading.paragraph].level == HeadingLevel::none) headings[heading.paragraph] = heading;
    for (std::size_t i = 1; i < paragraphs.size(); ++i) {
        const bool in_sign_off = sign_off.start && i >= *sign_off.start;
        if (headings[i].level != HeadingLevel::none && i != addressee && !in_sign_off && !paragraphs[i].in_table)
            format_heading(run, map, headings[i], notes);
    }
}

// The issuing organ and the date, right-aligned with their indents.
void format_sign_off(RunContext& run, const DocumentMap& map, const SignOff& sign_off, Notes& notes)
{
    if (!sign_off.date_line) return;
    const std::size_t date_line = *sign_off.date_line;
    const auto& paragraphs = map.paragraphs;
    const std::optional<FoundParagraph> organ =
        sign_off.with_organ ? find_paragraph(run, map, date_line - 1) : std::nullopt;
    const std::optional<FoundParagraph> date = find_paragraph(run, map, date_line);
    if (date && (organ || !sign_off.with_organ)) {
        const SignOffIndents indents =
            sign_off_indents(sign_off.with_organ ? paragraphs[date_line - 1].text : U"", paragraphs[date_line].text);
        if (organ) place_sign_off_line(run, *organ, indents.name);
        place_sign_off_line(run, *date, indents.date);
    } else {
        note_skipped(notes, date_line);
    }
}

// The title, the addressee, the headings and the sign-off: a few calls for
// each, none for a body paragraph.
void format_elements(RunContext& run, const DocumentMap& map, Notes& notes)
{
    format_title(run, map, notes);
    const std::optional<std::size_t> addressee = format_addressee(run, map, notes);
    const SignOff sign_off = find_sign_off(run, map);
    format_headings(run, map, addressee, sign_off, notes);
    format_sign_off(run, map, sign_off, notes);
    run.dialog.set_progress(kProgressAfterElements);
}

// "— 1 —" in the footers of odd pages (one character in from the right)
// and of even pages (one in from the left); what the footers held before,
// page numbers included, is replaced.
void number_footers(RunContext& run)
{
    const auto sections = run.document().sections();
    const std::int32_t count = sections->count();
    for (std::int32_t section = 1; section <= count; ++section) {
        const auto footers = sections->item(section)->footers();
        for (const bool odd : {true, false}) {
            const auto footer = footers->item(odd ? word::HeaderFooterIndex::primary : word::HeaderFooterIndex::even_pages);
            // A footer the same as the previous section's is numbered with it.
            if (section > 1 && footer->link_to_previous()) continue;
            const auto range = footer->range();
            const auto font = range->font();
            font->set_name(kPageNumberFont);
            font->set_size(kPageNumberSize);
            const auto format = range->paragraph_format();
            clear_first_line_indent(run, *format);
            format->set_alignment(odd ? word::ParagraphAlignment::right : word::ParagraphAlignment::left);
            indent_in_characters(run, *format, &word::ParagraphFormat::set_character_unit_left_indent,
                                 &word::ParagraphFormat::set_left_indent, odd ? 0 : kPageNumberIndentCharacters,
                                 kPageNumberSize);
            indent_in_characters(run, *format, &word::ParagraphFormat::set_character_unit_right_indent,
                                 &word::ParagraphFormat::set_right_indent, odd ? kPageNumberIndentCharacters : 0,
                                 kPageNumberSize);
            // The new text takes the footer's format; the field goes in
            // between the dashes.
            range->set_text(kPageNumberFrame);
            range->set_range(kPageFieldPosition, kPageFieldPosition);
            range->fields()->add(*range, word::FieldType::page);
        }
    }
}

// A server that cannot write the footers or the page field leaves them.
void number_pages(RunContext& run)
{
    run.optional(Step::page_numbers, [&] { number_footers(run); });
}

// "未安装方正小标宋简体，已用华文中宋" for every font that stands in for a
// missing one.
std::vector<std::string> substitute_notes(RunContext& run)
{
    std::vector<std::string> notes;
    const dialog::FontInstalled installed = [&](std::string_view font) {
        return run.dialog.font_installed(std::string(font));
    };
    for (const dialog::FontChain& chain : dialog::kFontChains) {
        if (auto note = dialog::substitute_note(chain, run.dialog.font_name(chain.combo), installed))
            notes.push_back(std::move(*note));
    }
    return notes;
}

}  // namespace

void typeset_official_document(Dialog& dialog, word::WordServers& word, Platform& platform)
{
    run_in_frame(dialog, word, platform, joined(kOfficialMembers, new_paragraph_members()), [](RunContext& run) {
        Notes skipped;
        const DocumentMap map = edit_paragraphs(run, skipped);
        set_up_page(run);
        format_body(run, map);
        keep_pictures_whole(run, map, skipped);
        format_elements(run, map, skipped);
        if (run.dialog.checked(CheckBox::gwYm)) number_pages(run);
        run.dialog.set_progress(kProgressAfterPageNumbers);
        Notes notes = substitute_notes(run);
        notes.insert(notes.end(), skipped.begin(), skipped.end());
        return notes;
    });
}

}  // namespace typeset
