// The documents of the stand-in Word as plain data, open to tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

    bool operator==(const CharFormat&) const = default;
};

// Each field is stored as put; Word's interplay between them (auto spacing
// overriding spacing, rules rescaling line spacing) is not modelled, except
// that an indent set in characters clears the same indent in points and
// the other way round.
struct ParagraphFormatState {
    std::int32_t alignment = 0;
    std::int32_t line_spacing_rule = 0;
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

    bool operator==(const ParagraphFormatState&) const = default;
};

struct ParagraphState {
    std::u32string text;  // without the paragraph mark
    // One format per character of text, then the paragraph mark's.
    std::vector<CharFormat> chars;
    ParagraphFormatState format;
    // What Word shows in front of a list item ("一、"), not part of the text;
    // "" when the paragraph is not one.
    std::string list_string;

    bool operator==(const ParagraphState&) const = default;
};

// Paragraphs, each followed by its mark: the main text, or a footer.
struct Story {
    std::vector<ParagraphState> paragraphs;

    bool operator==(const Story&) const = default;
};

// A field in a footer is one character of its text, standing for the field
// of type (character - kFieldCharacterBase): the page number is
// kFieldCharacterBase + wdFieldPage.
inline constexpr char32_t kFieldCharacterBase = 0xE000;

struct FooterState : Story {
    bool operator==(const FooterState&) const = default;
};

// Sections hold footers only: the stand-in's text is not divided among them.
struct SectionState {
    // wdHeaderFooterPrimary, wdHeaderFooterFirstPage, wdHeaderFooterEvenPages.
    FooterState footers[3];

    bool operator==(const SectionState&) const = default;
};

struct PageSetupState {
    float top = 72;
    float bottom = 72;
    float left = 90;
    float right = 90;
    // A new document is Letter sized and without a grid.
    std::int32_t paper_size = 2;  // wdPaperLetter
    float page_width = 612;
    float page_height = 792;
    std::int32_t layout_mode = 0;
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
    std::vector<SectionState> sections;  // at least one
    bool user_control = true;
    std::int32_t selection_start = 0;
    std::int32_t selection_end = 0;
    std::vector<UndoStep> undo_steps;  // the last one is undone first
};

}  // namespace standin
