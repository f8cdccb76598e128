// The documents of the stand-in Word as plain data, open to tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "word/object_model.h"

namespace standin {

struct CharFormat {
    CharFormat() = default;
    CharFormat(std::string name, float points, std::int32_t bold_flag, std::string far_east = {})
        : font_name(std::move(name)), size(points), bold(bold_flag), name_far_east(std::move(far_east)) {}

    // Font.Name: Latin letters and digits.
    std::string font_name = "Times New Roman";
    float size = 10.5f;
    std::int32_t bold = 0;  // as put: Word's True may arrive as 1 or -1
    // Font.NameFarEast: Chinese text and full-width punctuation; "" while
    // it follows font_name, as after Font.Name put an East Asian font.
    std::string name_far_east;
    // Font.Hidden: left out of Range.Text unless the range includes hidden
    // text.
    bool hidden = false;
    word::Color color = word::Color::automatic;
    word::Underline underline = word::Underline::none;
    word::HighlightColor highlight = word::HighlightColor::none;  // Range.HighlightColorIndex

    bool operator==(const CharFormat&) const = default;
};

// One side of a paragraph's borders, as put.
struct BorderState {
    word::LineStyle line_style = word::LineStyle::none;
    word::LineWidth line_width = word::LineWidth::pt_0_50;
    word::Color color = word::Color::automatic;

    bool operator==(const BorderState&) const = default;
};

struct TabStopState {
    float position;  // from the left margin
    word::TabAlignment alignment;

    bool operator==(const TabStopState&) const = default;
};

// Each field is stored as put; Word's interplay between them (auto spacing
// overriding spacing, rules rescaling line spacing) is not modelled, except
// that an indent set in characters clears the same indent in points and
// the other way round.
struct ParagraphFormatState {
    word::ParagraphAlignment alignment = word::ParagraphAlignment::left;
    word::LineSpacingRule line_spacing_rule = word::LineSpacingRule::single;
    float line_spacing = 12;
    float space_after = 0;
    float first_line_indent = 0;
    float right_indent = 0;
    float line_unit_before = 0;
    float line_unit_after = 0;
    std::int32_t space_before_auto = 0;
    std::int32_t space_after_auto = 0;
    float left_indent = 0;
    float character_unit_first_line_indent = 0;
    float character_unit_left_indent = 0;
    float character_unit_right_indent = 0;
    // SpaceBefore and LineUnitBefore are one spacing: each put clears the
    // other.
    float space_before = 0;
    std::int32_t page_break_before = 0;
    BorderState border_top;
    BorderState border_bottom;
    float border_distance_from_bottom = 1;
    // In order of position.
    std::vector<TabStopState> tab_stops;

    bool operator==(const ParagraphFormatState&) const = default;
};

// Characters of a paragraph's text that stand for more than a letter. Each
// is one position, as in Word.
// A field: kFieldBegin, its code, kFieldSeparator, its result, kFieldEnd
// (Word's own characters 19, 20 and 21); fields nest.
inline constexpr char32_t kFieldBegin = 0x13;
inline constexpr char32_t kFieldSeparator = 0x14;
inline constexpr char32_t kFieldEnd = 0x15;
// A field's positions as stored: field_text(U" PAGE ", U"1") is the page
// number as Fields.Add puts it.
inline std::u32string field_text(std::u32string_view code, std::u32string_view result)
{
    std::u32string text(1, kFieldBegin);
    text += code;
    text += kFieldSeparator;
    text += result;
    text += kFieldEnd;
    return text;
}
// An inline picture; Range.Text shows it as U+0001, as Word does.
inline constexpr char32_t kInlinePicture = 0x01;
// The start and end markers of a content control: positions that Range.Text
// never shows.
inline constexpr char32_t kContentControlStart = 0xE100;
inline constexpr char32_t kContentControlEnd = 0xE101;

// What ends a paragraph: its mark ("\r"), the end-of-cell mark of a table
// cell's last paragraph or the end-of-row mark (a paragraph of its own with
// no text), both read "\r\a", or a section break ("\f"). Each is one
// position.
enum class Mark { paragraph, cell_end, row_end, section_break };

struct ParagraphState {
    std::u32string text;  // without the paragraph mark
    // One format per character of text, then the paragraph mark's.
    std::vector<CharFormat> chars;
    ParagraphFormatState format;
    // What Word shows in front of a list item ("一、"), not part of the text;
    // "" when the paragraph is not one.
    std::string list_string;
    Mark mark = Mark::paragraph;
    // The paragraph's table, 1-based in document order; 0 outside tables.
    // A table is the run of paragraphs with the same number; its rows end
    // with a row_end paragraph.
    std::int32_t table = 0;

    bool operator==(const ParagraphState&) const = default;
};

// Paragraphs, each followed by its mark: the main text, or a footer.
struct Story {
    std::vector<ParagraphState> paragraphs;

    bool operator==(const Story&) const = default;
};

struct FooterState : Story {
    bool operator==(const FooterState&) const = default;
};

// A section's text is the main story up to and including its break (the
// last section's: to the end); there is one section per section break, plus
// the last. Sections hold their footers and orientation; the rest of the page
// setup is the document's (Document.PageSetup reaches every section).
// A footer's place in SectionState::footers.
constexpr std::size_t footer_slot(word::HeaderFooterIndex index)
{
    return static_cast<std::size_t>(word::value_of(index) - 1);
}

struct SectionState {
    // By word::HeaderFooterIndex: primary, first page, even pages.
    FooterState footers[3];
    // "Same as previous", per footer; never set on the first section.
    bool footer_linked[3] = {false, false, false};
    // Page width and height swapped.
    bool landscape = false;

    bool operator==(const SectionState&) const = default;
};

struct PageSetupState {
    float top = 72;
    float bottom = 72;
    float left = 90;
    float right = 90;
    // A new document is Letter sized and without a grid.
    word::PaperSize paper_size = word::PaperSize::letter;
    float page_width = 612;
    float page_height = 792;
    word::LayoutMode layout_mode = word::LayoutMode::normal;
    float lines_page = 0;
    float chars_line = 0;
    std::int32_t odd_and_even_pages_header_footer = 0;
    std::int32_t different_first_page_header_footer = 0;
    float footer_distance = 36;

    bool operator==(const PageSetupState&) const = default;
};

// A paragraph as an undo step keeps it: the characters' formats as runs of
// equal ones, which keeps a long document's undo list small.
struct KeptParagraph {
    std::u32string text;
    std::vector<std::pair<std::size_t, CharFormat>> runs;  // length, format; the mark's last
    ParagraphFormatState format;
    std::string list_string;
    Mark mark = Mark::paragraph;
    std::int32_t table = 0;
};

// One entry of a document's undo list: its name, and the text and formats
// as they were before it.
struct UndoStep {
    std::string name;
    std::vector<KeptParagraph> paragraphs;
    PageSetupState page_setup;
    std::vector<SectionState> sections;
};

// A document always has at least one paragraph; the last paragraph's mark is
// the final mark of the story, which Word never deletes.
struct DocumentState : Story {
    PageSetupState page_setup;
    std::vector<SectionState> sections;  // one per section: its breaks, plus one
    bool user_control = true;
    std::int32_t selection_start = 0;
    std::int32_t selection_end = 0;
    std::vector<UndoStep> undo_steps;  // the last one is undone first
};

}  // namespace standin
