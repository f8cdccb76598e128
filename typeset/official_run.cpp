#include "typeset/official_run.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialog/font_chains.h"
#include "platform/utf8.h"
#include "typeset/numbers.h"
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

inline constexpr std::int16_t kProgressAfterStructure = 20;
inline constexpr std::int16_t kProgressAfterPage = 40;
inline constexpr std::int16_t kProgressAfterBody = 60;
inline constexpr std::int16_t kProgressAfterElements = 80;
inline constexpr std::int16_t kProgressAfterPageNumbers = 100;

// The whole main text, in one call.
std::vector<TextParagraph> read_paragraphs(RunContext& run)
{
    return split_paragraphs(run.word.WordDocument1->content()->text());
}

// The last paragraph with more than blanks in it; 0 when only the first has.
std::size_t last_written(const std::vector<TextParagraph>& paragraphs)
{
    std::size_t last = paragraphs.size() - 1;
    while (last > 0 && is_blank(paragraphs[last].text)) --last;
    return last;
}

// A sign-off from an earlier run (or typed by the user) ends with a date
// line; the issuing organ's name is the line above it unless that is blank.
std::optional<std::size_t> sign_off_date(const std::vector<TextParagraph>& paragraphs)
{
    const std::size_t last = last_written(paragraphs);
    if (last >= 2 && is_date_line(paragraphs[last].text)) return last;
    return std::nullopt;
}

// The edits that add or remove paragraphs, made before any format so that
// the formats reach what they add. Each is one range and one call however
// long the document is. Returns the paragraphs as they then are.
std::vector<TextParagraph> edit_paragraphs(RunContext& run)
{
    auto& document = run.word.WordDocument1;
    std::vector<TextParagraph> paragraphs = read_paragraphs(run);
    bool edited = false;

    // Trailing blanks: everything from the end of the last written text to
    // the final mark, which Word keeps.
    if (run.dialog.checked(CheckBox::gwKh)) {
        const std::size_t last = last_written(paragraphs);
        if (last + 1 < paragraphs.size()) {
            const std::int32_t from = paragraphs[last].start + paragraphs[last].length;
            const std::int32_t to = paragraphs.back().end_with_mark() - 1;
            document->range(from, to)->delete_text(word::wdCharacter, 1);
            paragraphs.resize(last + 1);
            edited = true;
        }
    }

    // One empty line under the title.
    if (paragraphs.size() >= 2 && !is_blank(paragraphs[1].text)) {
        document->range(0, paragraphs[0].end_with_mark())->insert_paragraph_after();
        edited = true;
    }

    // The issuing organ and the date, after one empty line.
    if (run.dialog.checked(CheckBox::gwLk) && !sign_off_date(paragraphs)) {
        const std::string organ = platform::encode_utf8(trimmed(platform::decode_utf8(run.dialog.edit_text(Edit::gwFwjg))));
        const std::string organ_line = organ.empty() ? "" : organ + "\r";
        document->range()->insert_after("\r\r" + organ_line + format_date(run.platform.today()));
        edited = true;
    }

    if (edited) paragraphs = read_paragraphs(run);
    run.dialog.set_progress(kProgressAfterStructure);
    return paragraphs;
}

void set_up_page(RunContext& run)
{
    const auto page = run.word.WordDocument1->page_setup();
    page->set_paper_size(word::wdPaperA4);
    page->set_top_margin(run.centimetres_in_points(Edit::gwTop));
    page->set_bottom_margin(run.centimetres_in_points(Edit::gwBottom));
    page->set_left_margin(run.centimetres_in_points(Edit::gwLeft));
    page->set_right_margin(run.centimetres_in_points(Edit::gwRight));
    // The grid follows the type area the margins leave.
    page->set_layout_mode(word::wdLayoutModeGrid);
    page->set_chars_line(kCharsLine);
    page->set_lines_page(kLinesPage);
    if (run.dialog.checked(CheckBox::gwYm)) {
        page->set_odd_and_even_pages_header_footer(word::wdTrue);
        page->set_different_first_page_header_footer(word::wdFalse);
        // Footer distance is measured to the footer's bottom: one number
        // line below the 7 mm gap under the type area.
        page->set_footer_distance(run.centimetres_in_points(Edit::gwBottom) - kPageNumberGapPoints -
                                  kPageNumberSize);
    }
    run.dialog.set_progress(kProgressAfterPage);
}

// Every paragraph in the body's format through one range: what the title,
// the addressee, the headings and the sign-off then change is theirs alone.
void format_body(RunContext& run)
{
    const auto content = run.word.WordDocument1->content();
    const auto format = content->paragraph_format();
    format->set_alignment(word::wdAlignParagraphJustify);
    format->set_left_indent(0);
    format->set_character_unit_left_indent(0);
    format->set_right_indent(0);
    format->set_character_unit_right_indent(0);
    format->set_character_unit_first_line_indent(kBodyIndentCharacters);
    format->set_line_spacing_rule(word::wdLineSpaceExactly);
    format->set_line_spacing(run.number(Edit::gwZwLine));
    format->set_line_unit_before(0);
    format->set_line_unit_after(0);
    format->set_space_before_auto(0);
    format->set_space_after_auto(0);

    // The Western font first: a Chinese font put as Font.Name would also
    // become the font of Chinese text.
    const auto font = content->font();
    font->set_name(run.dialog.font_name(FontCombo::gwXwFontName));
    font->set_name_far_east(run.dialog.font_name(FontCombo::gwZwFontName));
    font->set_size(run.size(SizeCombo::gwZwFontSize));
    font->set_bold(0);
    run.dialog.set_progress(kProgressAfterBody);
}

// Word keeps an indent in characters or in points, and one left over from
// before may hold in either: both are cleared.
void clear_first_line_indent(word::ParagraphFormat& format)
{
    format.set_first_line_indent(0);
    format.set_character_unit_first_line_indent(0);
}

struct Heading {
    std::size_t paragraph;
    HeadingLevel level;
};

// Numbering Word generates: each list item's start and list string.
std::vector<Heading> list_headings(RunContext& run, const std::vector<TextParagraph>& paragraphs)
{
    std::vector<Heading> headings;
    const auto items = run.word.WordDocument1->list_paragraphs();
    const auto count = items->count();
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto range = items->item(i)->range();
        const HeadingLevel level = heading_level(platform::decode_utf8(range->list_format()->list_string()));
        if (level == HeadingLevel::none) continue;
        const std::int32_t start = range->start();
        const auto found = std::lower_bound(paragraphs.begin(), paragraphs.end(), start,
                                            [](const TextParagraph& p, std::int32_t at) { return p.start < at; });
        if (found != paragraphs.end() && found->start == start)
            headings.push_back({static_cast<std::size_t>(found - paragraphs.begin()), level});
    }
    return headings;
}

void format_heading(RunContext& run, const TextParagraph& paragraph, HeadingLevel level)
{
    if (level == HeadingLevel::four) return;  // the body's font already
    const auto font =
        run.word.WordDocument1->range(paragraph.start, paragraph.start + heading_extent(paragraph))->font();
    switch (level) {
    case HeadingLevel::one: font->set_name_far_east(run.dialog.font_name(FontCombo::gwYjFontName)); break;
    case HeadingLevel::two: font->set_name_far_east(run.dialog.font_name(FontCombo::gwEjFontName)); break;
    default: font->set_bold(1); break;
    }
}

void place_sign_off_line(RunContext& run, const TextParagraph& paragraph, float right_indent)
{
    const auto format = run.word.WordDocument1->range(paragraph.start, paragraph.end_with_mark())->paragraph_format();
    format->set_alignment(word::wdAlignParagraphRight);
    clear_first_line_indent(*format);
    format->set_character_unit_right_indent(right_indent);
}

// The title, the addressee, the headings and the sign-off: a few calls for
// each, none for a body paragraph.
void format_elements(RunContext& run, const std::vector<TextParagraph>& paragraphs)
{
    auto& document = run.word.WordDocument1;
    const TextParagraph& title = paragraphs.front();
    {
        const auto range = document->range(title.start, title.end_with_mark());
        const auto font = range->font();
        font->set_name_far_east(run.dialog.font_name(FontCombo::gwBtFontName));
        font->set_size(run.size(SizeCombo::gwBtFontSize));
        const auto format = range->paragraph_format();
        format->set_alignment(word::wdAlignParagraphCenter);
        clear_first_line_indent(*format);
    }

    std::size_t first_body = 1;
    while (first_body < paragraphs.size() && is_blank(paragraphs[first_body].text)) ++first_body;
    std::optional<std::size_t> addressee;
    // A heading that ends with a colon is still a heading.
    if (first_body < paragraphs.size() && ends_with_colon(paragraphs[first_body].text) &&
        heading_level(paragraphs[first_body].text) == HeadingLevel::none) {
        addressee = first_body;
        const TextParagraph& line = paragraphs[first_body];
        const auto format = document->range(line.start, line.end_with_mark())->paragraph_format();
        format->set_alignment(word::wdAlignParagraphLeft);
        clear_first_line_indent(*format);
    }

    std::optional<std::size_t> date_line;
    if (run.dialog.checked(CheckBox::gwLk)) date_line = sign_off_date(paragraphs);
    const bool with_organ = date_line && !is_blank(paragraphs[*date_line - 1].text);
    const std::optional<std::size_t> sign_off_start = with_organ ? std::optional(*date_line - 1) : date_line;

    std::vector<HeadingLevel> levels(paragraphs.size(), HeadingLevel::none);
    for (std::size_t i = 1; i < paragraphs.size(); ++i) levels[i] = heading_level(paragraphs[i].text);
    for (const Heading& heading : list_headings(run, paragraphs))
        if (levels[heading.paragraph] == HeadingLevel::none) levels[heading.paragraph] = heading.level;
    for (std::size_t i = 1; i < paragraphs.size(); ++i) {
        const bool sign_off = sign_off_start && i >= *sign_off_start;
        if (levels[i] != HeadingLevel::none && i != addressee && !sign_off) format_heading(run, paragraphs[i], levels[i]);
    }

    if (date_line) {
        const TextParagraph& organ = paragraphs[*date_line - 1];
        const TextParagraph& date = paragraphs[*date_line];
        const SignOffIndents indents = sign_off_indents(with_organ ? organ.text : U"", date.text);
        if (with_organ) place_sign_off_line(run, organ, indents.name);
        place_sign_off_line(run, date, indents.date);
    }
    run.dialog.set_progress(kProgressAfterElements);
}

// "— 1 —" in the footers of odd pages (one character in from the right)
// and of even pages (one in from the left); what the footers held before,
// page numbers included, is replaced.
void number_pages(RunContext& run)
{
    const auto footers = run.word.WordDocument1->sections()->item(1)->footers();
    for (const bool odd : {true, false}) {
        const auto range =
            footers->item(odd ? word::wdHeaderFooterPrimary : word::wdHeaderFooterEvenPages)->range();
        const auto font = range->font();
        font->set_name(kPageNumberFont);
        font->set_size(kPageNumberSize);
        const auto format = range->paragraph_format();
        clear_first_line_indent(*format);
        format->set_alignment(odd ? word::wdAlignParagraphRight : word::wdAlignParagraphLeft);
        format->set_character_unit_left_indent(odd ? 0 : kPageNumberIndentCharacters);
        format->set_character_unit_right_indent(odd ? kPageNumberIndentCharacters : 0);
        // The new text takes the footer's format; the field goes in between
        // the dashes.
        range->set_text(kPageNumberFrame);
        range->set_range(kPageFieldPosition, kPageFieldPosition);
        range->fields()->add(*range, word::wdFieldPage);
    }
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
    run_in_frame(dialog, word, platform, [](RunContext& run) {
        const std::vector<TextParagraph> paragraphs = edit_paragraphs(run);
        set_up_page(run);
        format_body(run);
        format_elements(run, paragraphs);
        if (run.dialog.checked(CheckBox::gwYm)) number_pages(run);
        run.dialog.set_progress(kProgressAfterPageNumbers);
        return substitute_notes(run);
    });
}

}  // namespace typeset
