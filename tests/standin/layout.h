// A simple line layout, enough to tell where Word's first line ends.
//
// Every page is A4 wide; a line holds as many characters as fit between the
// margins (less the first-line indent on a paragraph's first line), full-width
// characters being as wide as their font size and all others half of it.
// Lines break before the character that would overflow, whatever it is, and
// always hold at least one character. The paragraph mark takes no width.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/standin/state.h"

namespace standin {

inline constexpr double a4_width_points = 595.3;

// CJK ideographs and punctuation, Hangul, and the full-width forms.
bool is_full_width(char32_t c);
double character_width(char32_t c, const CharFormat& format);

// Where each layout line of the paragraph starts, as offsets into its text:
// 0 first, one entry for an empty paragraph.
std::vector<std::int32_t> line_starts(const ParagraphState& paragraph, const PageSetupState& page);

}  // namespace standin
