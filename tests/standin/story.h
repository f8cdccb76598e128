// Positions in a story (a document's main text, or a footer) and the edits
// Word makes to it.
//
// The story is the paragraphs' texts, each followed by its mark. Positions
// count UTF-32 characters; Word counts UTF-16 units, which is the same for
// the BMP-only texts the stand-in is used with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/standin/state.h"

namespace standin {

struct StoryPosition {
    std::size_t paragraph;  // 0-based
    std::int32_t offset;    // into the paragraph's text; text.size() is its mark
};

// Restores the invariants that tests may have broken by hand: at least one
// paragraph, one format per character plus the mark's.
void normalize(Story& document);
// Also: at least one section.
void normalize(DocumentState& document);

std::int32_t story_length(const Story& document);
std::int32_t paragraph_length(const ParagraphState& paragraph);  // with its mark
std::int32_t paragraph_start(const Story& document, std::size_t paragraph);

// The character at a position; positions past the story are clamped, and the
// story's end counts as its final mark.
StoryPosition locate(const Story& document, std::int32_t position);

// Removes [from, to), to at most the final mark's position. A removed mark
// joins what is left of its paragraph to the next one, whose mark and format
// the joined paragraph keeps (Word stores paragraph formatting in the mark).
void erase(Story& document, std::int32_t from, std::int32_t to);

// Inserts before the character at position (at most the final mark's). The
// new characters take the format of the receiving paragraph's mark; "\r",
// "\n" and "\r\n" break the paragraph, each new mark copying the receiving
// paragraph's mark and format.
void insert(Story& document, std::int32_t position, std::u32string_view text);

}  // namespace standin
