#include "typeset/official_run.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialog/font_chains.h"
#include "platform/utf8.h"
#include "typeset/document_map.h"
#include "typeset/equivalents.h"
#include "typeset/new_paragraphs.h"
#include "typeset/official_layout.h"
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
    needed(ObjectType::paragraph_format, "SpaceBefore"),
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
    for_step(ObjectType::font, "Color", Step::red_mark),
    for_step(ObjectType::paragraph_format, "Borders", Step::rules),
    for_step(ObjectType::borders, "Item", Step::rules),
    for_step(ObjectType::borders, "DistanceFromBottom", Step::rules),
    for_step(ObjectType::border, "LineStyle", Step::rules),
    for_step(ObjectType::border, "LineWidth", Step::rules),
    for_step(ObjectType::border, "Color", Step::rules),
    for_step(ObjectType::paragraph_format, "TabStops", Step::tab_stops),
    for_step(ObjectType::tab_stops, "ClearAll", Step::tab_stops),
    for_step(ObjectType::tab_stops, "Add", Step::tab_stops),
    for_step(ObjectType::paragraph_format, "PageBreakBefore", Step::attachment_pages),
    for_step(ObjectType::range, "Information", Step::imprint_at_foot),
};

inline constexpr std::int16_t kProgressAfterStructure = 20;
inline constexpr std::int16_t kProgressAfterPage = 40;
inline constexpr std::int16_t kProgressAfterBody = 60;
inline constexpr std::int16_t kProgressAfterElements = 80;
inline constexpr std::int16_t kProgressAfterPageNumbers = 100;

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
        format->set_space_before(0);
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
        OfficialReading reading = read_official_document(run);
        // What the document held before the run added to it.
        const std::string recognised = recognised_summary(reading.roles);
        if (edit_official_document(run, reading, skipped)) reading = read_official_document(run);
        run.dialog.set_progress(kProgressAfterStructure);
        set_up_page(run);
        format_body(run, reading.map);
        keep_pictures_whole(run, reading.map, skipped);
        lay_out_official_document(run, reading, skipped);
        run.dialog.set_progress(kProgressAfterElements);
        if (run.dialog.checked(CheckBox::gwYm)) number_pages(run);
        run.dialog.set_progress(kProgressAfterPageNumbers);
        Notes notes;
        if (!recognised.empty()) notes.push_back(recognised);
        const Notes substitutes = substitute_notes(run);
        notes.insert(notes.end(), substitutes.begin(), substitutes.end());
        notes.insert(notes.end(), skipped.begin(), skipped.end());
        return notes;
    });
}

}  // namespace typeset
