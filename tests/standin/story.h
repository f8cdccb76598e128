// Positions in a story (a document's main text, or a footer) and the edits
// Word makes to it.
//
// The story is the paragraphs' texts, each followed by its mark. Every
// character of a text is one position, those that Range.Text leaves out
// (field codes and marks, content-control markers, hidden text) included,
// and so is every mark, whatever its kind. Positions count UTF-32
// characters; Word counts UTF-16 units, which is the same for the BMP-only
// texts the stand-in is used with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/standin/state.h"

namespace standin {

struct StoryPosition {
    std::size_t paragraph;  // 0-based
    std::int32_t offset;    // into the paragraph's text; text.size() is its mark
};

// Restores the invariants that tests may have broken by hand: at least one
// paragraph, one format per character plus the mark's.
void normalize(Story& document);
// Also: one section per section break plus the last, a section added being
// linked to the previous one's footers as Word's "same as previous" does;
// the first section linked to none.
void normalize(DocumentState& document);

std::int32_t story_length(const Story& document);
std::int32_t paragraph_length(const ParagraphState& paragraph);  // with its mark
std::int32_t paragraph_start(const Story& document, std::size_t paragraph);

// The character at a position; positions past the story are clamped, and the
// story's end counts as its final mark.
StoryPosition locate(const Story& document, std::int32_t position);

// How Range.Text reads a mark: "\r", "\r\a" (end of cell or row) or "\f".
std::u32string_view mark_text(Mark mark);

// Range.Text of [from, to): marks as mark_text(); a field's code and marks
// only with field_codes (its result always, unless it lies in another
// field's code), hidden characters only with hidden_text, content-control
// markers never.
std::u32string retrieved_text(const Story& document, std::int32_t from, std::int32_t to, bool field_codes,
                              bool hidden_text);

// Consecutive paragraphs, first to last, 0-based.
struct ParagraphSpan {
    std::size_t first;
    std::size_t last;
};

// The tables: runs of paragraphs with the same table number, in order.
std::vector<ParagraphSpan> tables_of(const Story& document);
// The sections: each up to and including its break, the last to the end.
std::vector<ParagraphSpan> sections_of(const Story& document);

// Removes [from, to), to at most the final mark's position, and returns how
// many positions went. A removed mark joins what is left of its paragraph to
// the next one, whose mark and format the joined paragraph keeps (Word stores
// paragraph formatting in the mark). A range that would remove a table's
// end-of-cell or end-of-row mark, or join a table's paragraph with one
// outside it, loses its text only: every mark stays.
std::int32_t erase(Story& document, std::int32_t from, std::int32_t to);
// The main story: a section break removed also removes its section, whose
// text then belongs to the section that followed it.
std::int32_t erase(DocumentState& document, std::int32_t from, std::int32_t to);

// Inserts before the character at position (at most the final mark's). The
// new characters take the format of the receiving paragraph's mark; "\r",
// "\n" and "\r\n" break the paragraph, each new paragraph copying the
// receiving paragraph's format, mark format, list string and table, and
// ending with a plain paragraph mark; the last piece keeps the receiving
// mark's kind.
void insert(Story& document, std::int32_t position, std::u32string_view text);

}  // namespace standin
