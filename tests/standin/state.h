// The documents of the stand-in Word as plain data, open to tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace standin {

struct CharFormat {
    std::string font_name = "Times New Roman";
    float size = 10.5f;
    std::int32_t bold = 0;  // as put: Word's True may arrive as 1 or -1

    bool operator==(const CharFormat&) const = default;
};

// Each field is stored as put; Word's interplay between them (auto spacing
// overriding spacing, rules rescaling line spacing) is not modelled.
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

    bool operator==(const ParagraphFormatState&) const = default;
};

struct ParagraphState {
    std::u32string text;  // without the paragraph mark
    // One format per character of text, then the paragraph mark's.
    std::vector<CharFormat> chars;
    ParagraphFormatState format;
};

struct PageSetupState {
    float top = 72;
    float bottom = 72;
    float left = 90;
    float right = 90;

    bool operator==(const PageSetupState&) const = default;
};

// A paragraph as an undo step keeps it: the characters' formats as runs of
// equal ones, which keeps a long document's undo list small.
struct KeptParagraph {
    std::u32string text;
    std::vector<std::pair<std::size_t, CharFormat>> runs;  // length, format; the mark's last
    ParagraphFormatState format;
};

// One entry of a document's undo list: its name, and the text and formats
// as they were before it.
struct UndoStep {
    std::string name;
    std::vector<KeptParagraph> paragraphs;
    PageSetupState page_setup;
};

// A document always has at least one paragraph; the last paragraph's mark is
// the final mark of the story, which Word never deletes.
struct DocumentState {
    std::vector<ParagraphState> paragraphs;
    PageSetupState page_setup;
    bool user_control = true;
    std::int32_t selection_start = 0;
    std::int32_t selection_end = 0;
    std::vector<UndoStep> undo_steps;  // the last one is undone first
};

}  // namespace standin
