#include "tests/standin/story.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace standin {

void normalize(Story& document)
{
    if (document.paragraphs.empty()) document.paragraphs.emplace_back();
    for (ParagraphState& paragraph : document.paragraphs) {
        const std::size_t wanted = paragraph.text.size() + 1;
        if (paragraph.chars.size() != wanted) {
            const CharFormat fill = paragraph.chars.empty() ? CharFormat{} : paragraph.chars.back();
            paragraph.chars.resize(wanted, fill);
        }
    }
}

void normalize(DocumentState& document)
{
    normalize(static_cast<Story&>(document));
    const std::size_t wanted = sections_of(document).size();
    if (document.sections.size() > wanted) document.sections.resize(wanted);
    while (document.sections.size() < wanted) {
        SectionState added;
        if (!document.sections.empty()) std::fill(std::begin(added.footer_linked), std::end(added.footer_linked), true);
        document.sections.push_back(std::move(added));
    }
    std::fill(std::begin(document.sections[0].footer_linked), std::end(document.sections[0].footer_linked), false);
    for (SectionState& section : document.sections)
        for (FooterState& footer : section.footers) normalize(footer);
}

std::int32_t paragraph_length(const ParagraphState& paragraph)
{
    return static_cast<std::int32_t>(paragraph.text.size()) + 1;
}

std::int32_t story_length(const Story& document)
{
    std::int32_t length = 0;
    for (const ParagraphState& paragraph : document.paragraphs) length += paragraph_length(paragraph);
    return length;
}

std::int32_t paragraph_start(const Story& document, std::size_t paragraph)
{
    std::int32_t start = 0;
    for (std::size_t i = 0; i < paragraph && i < document.paragraphs.size(); ++i)
        start += paragraph_length(document.paragraphs[i]);
    return start;
}

StoryPosition locate(const Story& document, std::int32_t position)
{
    position = std::max(position, 0);
    std::int32_t start = 0;
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        const std::int32_t length = paragraph_length(document.paragraphs[i]);
        if (position < start + length) return {i, position - start};
        start += length;
    }
    const std::size_t last = document.paragraphs.size() - 1;
    return {last, static_cast<std::int32_t>(document.paragraphs[last].text.size())};
}

std::u32string_view mark_text(Mark mark)
{
    switch (mark) {
    case Mark::cell_end:
    case Mark::row_end: return U"\r\a";
    case Mark::section_break: return U"\f";
    case Mark::paragraph: break;
    }
    return U"\r";
}

std::u32string retrieved_text(const Story& document, std::int32_t from, std::int32_t to, bool field_codes,
                              bool hidden_text)
{
    std::u32string text;
    // The fields open at a position, innermost last: true while in the code.
    std::vector<bool> fields;
    std::size_t in_codes = 0;
    std::int32_t position = 0;
    for (const ParagraphState& paragraph : document.paragraphs) {
        if (position >= to) break;
        for (std::size_t i = 0; i < paragraph.text.size(); ++i, ++position) {
            const char32_t c = paragraph.text[i];
            const bool in_a_code = in_codes > 0;
            const bool field_mark = c == kFieldBegin || c == kFieldSeparator || c == kFieldEnd;
            // Stray separators and ends, as a partial edit may leave, close nothing.
            if (c == kFieldBegin) {
                fields.push_back(true);
                ++in_codes;
            } else if (c == kFieldSeparator && !fields.empty() && fields.back()) {
                fields.back() = false;
                --in_codes;
            } else if (c == kFieldEnd && !fields.empty()) {
                if (fields.back()) --in_codes;
                fields.pop_back();
            }
            if (position < from || position >= to) continue;
            if (c == kContentControlStart || c == kContentControlEnd) continue;
            if (!field_codes && (field_mark || in_a_code)) continue;
            if (!hidden_text && i < paragraph.chars.size() && paragraph.chars[i].hidden) continue;
            text.push_back(c);
        }
        if (position >= from && position < to) text += mark_text(paragraph.mark);
        ++position;
    }
    return text;
}

std::vector<ParagraphSpan> tables_of(const Story& document)
{
    std::vector<ParagraphSpan> tables;
    const auto& paragraphs = document.paragraphs;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs[i].table == 0) continue;
        if (!tables.empty() && tables.back().last + 1 == i && paragraphs[i - 1].table == paragraphs[i].table)
            tables.back().last = i;
        else
            tables.push_back({i, i});
    }
    return tables;
}

std::vector<ParagraphSpan> sections_of(const Story& document)
{
    std::vector<ParagraphSpan> sections{{0, 0}};
    const auto& paragraphs = document.paragraphs;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        sections.back().last = i;
        if (paragraphs[i].mark == Mark::section_break && i + 1 < paragraphs.size()) sections.push_back({i + 1, i + 1});
    }
    return sections;
}

namespace {

// Whether removing [from, to) takes out a table's end-of-cell or end-of-row
// mark, or joins a table's paragraph with one not of that table.
bool breaks_table(const Story& document, std::int32_t from, std::int32_t to)
{
    const auto& paragraphs = document.paragraphs;
    std::int32_t position = 0;
    for (std::size_t i = 0; i < paragraphs.size() && position < to; ++i) {
        position += paragraph_length(paragraphs[i]);
        const std::int32_t mark = position - 1;
        if (mark < from || mark >= to) continue;
        const ParagraphState& paragraph = paragraphs[i];
        if (paragraph.mark == Mark::cell_end || paragraph.mark == Mark::row_end) return true;
        if (i + 1 < paragraphs.size() && paragraphs[i + 1].table != paragraph.table) return true;
    }
    return false;
}

// Removes the characters of the texts in [from, to), leaving every mark.
std::int32_t erase_text_only(Story& document, std::int32_t from, std::int32_t to)
{
    std::int32_t removed = 0;
    std::int32_t position = 0;
    for (ParagraphState& paragraph : document.paragraphs) {
        const std::int32_t length = paragraph_length(paragraph);
        const std::int32_t text_end = position + length - 1;
        const std::int32_t first = std::max(from, position);
        const std::int32_t last = std::min(to, text_end);
        if (first < last) {
            paragraph.text.erase(static_cast<std::size_t>(first - position), static_cast<std::size_t>(last - first));
            paragraph.chars.erase(paragraph.chars.begin() + (first - position), paragraph.chars.begin() + (last - position));
            removed += last - first;
        }
        position += length;
        if (position >= to) break;
    }
    return removed;
}

}  // namespace

std::int32_t erase(Story& document, std::int32_t from, std::int32_t to)
{
    to = std::min(to, story_length(document) - 1);
    from = std::max(from, 0);
    if (from >= to) return 0;
    // Word never lets a range edit break a table; how it trims such an edit
    // is not documented, so the stand-in keeps every mark and takes the text.
    if (breaks_table(document, from, to)) return erase_text_only(document, from, to);
    const StoryPosition first = locate(document, from);
    const StoryPosition last = locate(document, to);
    auto& paragraphs = document.paragraphs;
    ParagraphState& tail = paragraphs[last.paragraph];
    if (first.paragraph == last.paragraph) {
        tail.text.erase(static_cast<std::size_t>(first.offset), static_cast<std::size_t>(to - from));
        tail.chars.erase(tail.chars.begin() + first.offset, tail.chars.begin() + last.offset);
        return to - from;
    }
    const ParagraphState& head = paragraphs[first.paragraph];
    ParagraphState joined;
    joined.format = tail.format;
    joined.list_string = tail.list_string;
    joined.mark = tail.mark;
    joined.table = tail.table;
    joined.text = head.text.substr(0, static_cast<std::size_t>(first.offset)) +
                  tail.text.substr(static_cast<std::size_t>(last.offset));
    joined.chars.assign(head.chars.begin(), head.chars.begin() + first.offset);
    joined.chars.insert(joined.chars.end(), tail.chars.begin() + last.offset, tail.chars.end());
    tail = std::move(joined);
    const auto erase_from = paragraphs.begin() + static_cast<std::ptrdiff_t>(first.paragraph);
    paragraphs.erase(erase_from, erase_from + static_cast<std::ptrdiff_t>(last.paragraph - first.paragraph));
    return to - from;
}

std::int32_t erase(DocumentState& document, std::int32_t from, std::int32_t to)
{
    to = std::min(to, story_length(document) - 1);
    from = std::max(from, 0);
    if (from >= to) return 0;
    if (!breaks_table(document, from, to)) {
        std::vector<std::size_t> gone;  // sections whose breaks are removed
        std::size_t section = 0;
        std::int32_t position = 0;
        for (const ParagraphState& paragraph : document.paragraphs) {
            position += paragraph_length(paragraph);
            if (paragraph.mark != Mark::section_break) continue;
            if (position - 1 >= from && position - 1 < to) gone.push_back(section);
            ++section;
        }
        for (auto i = gone.rbegin(); i != gone.rend(); ++i)
            if (*i < document.sections.size())
                document.sections.erase(document.sections.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    return erase(static_cast<Story&>(document), from, to);
}

namespace {

// The pieces of an inserted text between its paragraph breaks.
std::vector<std::u32string> split_at_breaks(std::u32string_view text)
{
    std::vector<std::u32string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            pieces.emplace_back();
        } else {
            pieces.back().push_back(c);
        }
    }
    return pieces;
}

}  // namespace

void insert(Story& document, std::int32_t position, std::u32string_view text)
{
    if (text.empty()) return;
    const StoryPosition at = locate(document, std::min(position, story_length(document) - 1));
    const auto offset = static_cast<std::size_t>(at.offset);
    ParagraphState& receiving = document.paragraphs[at.paragraph];
    const CharFormat format = receiving.chars.back();
    const std::vector<std::u32string> pieces = split_at_breaks(text);

    if (pieces.size() == 1) {
        receiving.text.insert(offset, pieces.front());
        receiving.chars.insert(receiving.chars.begin() + at.offset, pieces.front().size(), format);
        return;
    }

    // The receiving paragraph keeps its own mark on the last piece.
    std::vector<ParagraphState> made;
    made.reserve(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ParagraphState paragraph;
        paragraph.format = receiving.format;
        // Word numbers the new paragraphs of a list item too.
        paragraph.list_string = receiving.list_string;
        paragraph.table = receiving.table;
        paragraph.mark = i + 1 == pieces.size() ? receiving.mark : Mark::paragraph;
        if (i == 0) {
            paragraph.text = receiving.text.substr(0, offset);
            paragraph.chars.assign(receiving.chars.begin(), receiving.chars.begin() + at.offset);
        }
        paragraph.text += pieces[i];
        paragraph.chars.insert(paragraph.chars.end(), pieces[i].size(), format);
        if (i + 1 == pieces.size()) {
            paragraph.text += receiving.text.substr(offset);
            paragraph.chars.insert(paragraph.chars.end(), receiving.chars.begin() + at.offset,
                                   receiving.chars.end());
        } else {
            paragraph.chars.push_back(format);
        }
        made.push_back(std::move(paragraph));
    }
    auto where = document.paragraphs.erase(document.paragraphs.begin() + static_cast<std::ptrdiff_t>(at.paragraph));
    document.paragraphs.insert(where, std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
}

}  // namespace standin
