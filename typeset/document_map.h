// The main story as the runs see it: its paragraphs, what each one reads as,
// and where each one stands in Word's positions.
//
// Word's positions count characters that Range.Text does not show (a field's
// code and marks, hidden text, content-control markers), and an end-of-cell
// mark is one position that reads as two characters. The map is read with
// as few calls as the document allows: a plain document is read once; one
// with fields or hidden text a second time with both shown, so that every
// position is in the text. Where even that text is shorter than the story
// (content controls), the map says so, and each paragraph the run touches is
// found through Word's own paragraph and checked before it is changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "typeset/server_support.h"
#include "word/object_model.h"

namespace typeset {

struct RunContext;

// A span of Word positions, [start, end).
struct Span {
    std::int32_t start;
    std::int32_t end;
};

enum class ParagraphEnd { mark, cell, section_break };

struct MappedParagraph {
    // Where the paragraph starts and where its mark is (the end of the
    // paragraph is mark + 1); exact only when the map is.
    std::int32_t start = 0;
    std::int32_t mark = 0;
    // What a reader sees: field results, no hidden text, no field codes.
    std::u32string text;
    // The position of each character of text, for ranges over part of it.
    std::vector<std::int32_t> positions;
    ParagraphEnd ends_with = ParagraphEnd::mark;
    bool in_table = false;
    // An inline picture stands in it.
    bool has_picture = false;
    // Nothing in any position but spaces: a field, a picture or hidden text
    // is something.
    bool blank = true;

    std::int32_t end() const { return mark + 1; }
};

struct DocumentMap {
    std::vector<MappedParagraph> paragraphs;
    // Every paragraph's positions agree with Word's.
    bool exact = true;
    // Content.End: the story's length, its final mark included.
    std::int32_t story_end = 0;
    // Fields, as spans from the begin mark to after the end mark: a range
    // that touches a field takes the whole field.
    std::vector<Span> fields;
    // The tables, outermost, as Word gives their ranges.
    std::vector<Span> tables;

    // The parts of [from, to) outside every table, in order.
    std::vector<Span> outside_tables(std::int32_t from, std::int32_t to) const;
    // [from, to) widened to whole fields at both ends.
    Span widened_to_fields(Span span) const;

    // The last paragraph that is more than blanks (a table, a field, a
    // picture, hidden text or a section break is more); 0 when only the
    // first is.
    std::size_t last_written() const;
    // Whether the paragraph's mark must stay when what follows it goes: a
    // table's last mark, a section break.
    bool keeps_mark(std::size_t index) const;
};

// Lines of the completion message: what the run left alone.
using Notes = std::vector<std::string>;
// "第 12 段未能识别，已跳过排版": the paragraph (0-based) was not where the run
// expected it, and was left as it is.
void note_skipped(Notes& notes, std::size_t index);

// The map from the texts Word gave: `shown` as Range.Text reads by default,
// `full` with field codes and hidden text, or empty when `shown` already
// holds every position. Tables and the check against the story's end are
// the caller's.
DocumentMap map_text(std::u32string_view shown, std::u32string_view full);

// What reading the map and finding its paragraphs use of Word's objects.
const MemberTable& document_map_members();

// Reads the map of the active document: Content.Text, Content.End, and when
// needed the text again with codes and hidden text, the tables' ranges, and
// the sections' ends when some "\f" are page breaks. A server that cannot
// show codes and hidden text, or tell section breaks from page breaks,
// gives a map that is not exact; one that cannot list tables, a map
// without them.
DocumentMap read_document_map(RunContext& run);

// A paragraph found where Word has it, or nothing when Word's paragraph does
// not read as the map's (the run then leaves it alone). `whole` says whether
// offsets inside it can be trusted: its length agrees with the map's.
struct FoundParagraph {
    Span range;
    bool whole;
};
std::optional<FoundParagraph> find_paragraph(RunContext& run, const DocumentMap& map, std::size_t index);

// Which paragraph of the map Word's paragraph starting at `start` is; its
// text (as Range.Text reads, mark included) is needed only when the map is
// not exact, where Word's positions run ahead of the map's by what the text
// does not show.
std::optional<std::size_t> locate_paragraph(const DocumentMap& map, std::int32_t start, std::string_view text);

// The Word range of part of a found paragraph's text, [from, to) in its
// characters, widened to whole fields; nothing when offsets are not sure.
std::optional<Span> text_span(const DocumentMap& map, std::size_t index, const FoundParagraph& found,
                              std::size_t from, std::size_t to);

}  // namespace typeset
