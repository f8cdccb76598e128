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
    if (document.sections.empty()) document.sections.emplace_back();
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

void erase(Story& document, std::int32_t from, std::int32_t to)
{
    to = std::min(to, story_length(document) - 1);
    from = std::max(from, 0);
    if (from >= to) return;
    const StoryPosition first = locate(document, from);
    const StoryPosition last = locate(document, to);
    auto& paragraphs = document.paragraphs;
    ParagraphState& tail = paragraphs[last.paragraph];
    if (first.paragraph == last.paragraph) {
        tail.text.erase(static_cast<std::size_t>(first.offset), static_cast<std::size_t>(to - from));
        tail.chars.erase(tail.chars.begin() + first.offset, tail.chars.begin() + last.offset);
        return;
    }
    const ParagraphState& head = paragraphs[first.paragraph];
    ParagraphState joined;
    joined.format = tail.format;
    joined.list_string = tail.list_string;
    joined.text = head.text.substr(0, static_cast<std::size_t>(first.offset)) +
                  tail.text.substr(static_cast<std::size_t>(last.offset));
    joined.chars.assign(head.chars.begin(), head.chars.begin() + first.offset);
    joined.chars.insert(joined.chars.end(), tail.chars.begin() + last.offset, tail.chars.end());
    tail = std::move(joined);
    const auto erase_from = paragraphs.begin() + static_cast<std::ptrdiff_t>(first.paragraph);
    paragraphs.erase(erase_from, erase_from + static_cast<std::ptrdiff_t>(last.paragraph - first.paragraph));
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
        if (i == 0) {
            paragraph.text = receiving.text.substr(0, offset);
            paragraph.chars.assign(receiving.chars.begin(), receiving.chars.begin() + at.offset);
        }
        paragraph.text += pieces[i];
        paragraph.chars.insert(paragraph.chars.end(), pieces[i].size(), format);
        if (i + 1 == pieces.size()) {
            paragraph.list_string = receiving.list_string;
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
