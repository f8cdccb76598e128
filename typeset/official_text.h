// What the official-document run reads in the document's text, found
// locally in the text Word hands over once: the paragraphs and where they
// start, the heading levels at their start, the sign-off lines and how far
// in from the right edge they stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace typeset {

// A paragraph of the main text. Positions are Word's: UTF-16 units from
// the start of the story.
struct TextParagraph {
    std::int32_t start;
    std::int32_t length;  // without the paragraph mark
    std::u32string text;

    std::int32_t end_with_mark() const { return start + length + 1; }
};

// The paragraphs of a story's text, each ended by "\r" (the last one may
// lack it).
std::vector<TextParagraph> split_paragraphs(std::string_view utf8);

std::int32_t utf16_length(std::u32string_view text);

// Nothing but spaces (half- or full-width) and tabs.
bool is_blank(std::u32string_view text);

enum class HeadingLevel { none, one, two, three, four };

// The level of the numbering at the start of a text: "一、" one, "（一）"
// two, "1." or "1．" three, "（1）" four; half-width parentheses count as
// full-width ones. "1.5倍" and "１．５倍" are numbers and "二、三季度" a list
// of numbers, not headings; "1.2027年重点工作" is one. A list string
// ("一、") is read the same way.
HeadingLevel heading_level(std::u32string_view text);

// How much of a heading paragraph, from its start, takes the heading's
// font: up to and including its first "。", "：", "；", "？" or "！" when
// body text follows it in the same paragraph, else the whole paragraph and
// its mark.
std::int32_t heading_extent(const TextParagraph& paragraph);

// The addressee line ends with a colon, full- or half-width.
bool ends_with_colon(std::u32string_view text);

// "2026年12月8日", as the run writes it and a user may have typed it, or
// "二〇二六年十二月八日"; the month 1 to 12, the day 1 to 31. Blanks around
// it are no part of it.
bool is_date_line(std::u32string_view text);

// Width in characters: a half-width letter, digit or space counts half.
float width_in_characters(std::u32string_view text);

// Right indents of the issuing organ's name and the date, in characters:
// the name two from the right edge and the date's first character two to
// the right of the name's; when the date is the longer, the date two from
// the right edge and the name's indent grown to keep the two characters.
struct SignOffIndents {
    float name;
    float date;
};
SignOffIndents sign_off_indents(std::u32string_view name, std::u32string_view date);

std::u32string trimmed(std::u32string_view text);

}  // namespace typeset
