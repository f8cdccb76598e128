#include "tests/standin/text_load.h"

#include <algorithm>

#include <utility>
#include <vector>

#include "tests/standin/story.h"
#include "platform/utf8.h"

namespace standin {

DocumentState load_text(std::string_view utf8)
{
    DocumentState document;
    const std::u32string text = platform::decode_utf8(utf8);
    ParagraphState current;
    auto finish_paragraph = [&] {
        current.chars.assign(current.text.size() + 1, CharFormat{});
        document.paragraphs.push_back(std::move(current));
        current = ParagraphState{};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            finish_paragraph();
        } else {
            current.text.push_back(c);
        }
    }
    if (!current.text.empty() || document.paragraphs.empty()) finish_paragraph();
    return document;
}

namespace {

constexpr std::size_t npos = std::u32string_view::npos;

// The position of the "}}" that closes the "{{" at open, npos when none does.
std::size_t closing(std::u32string_view text, std::size_t open)
{
    std::size_t depth = 0;
    for (std::size_t i = open; i + 1 < text.size();) {
        if (text[i] == U'{' && text[i + 1] == U'{') {
            ++depth;
            i += 2;
        } else if (text[i] == U'}' && text[i + 1] == U'}') {
            if (--depth == 0) return i;
            i += 2;
        } else {
            ++i;
        }
    }
    return npos;
}

// The text cut at each separator that is not inside a closed {{…}}.
std::vector<std::u32string_view> split_outside_markup(std::u32string_view text, char32_t separator)
{
    std::vector<std::u32string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(U"{{")) {
            const std::size_t close = closing(text, i);
            if (close != npos) {
                i = close + 2;
                continue;
            }
        }
        if (text[i] == separator) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
        ++i;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::u32string_view trimmed(std::u32string_view text)
{
    while (!text.empty() && (text.front() == U' ' || text.front() == U'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\t')) text.remove_suffix(1);
    return text;
}

void add(ParagraphState& paragraph, char32_t c, const CharFormat& format)
{
    paragraph.text.push_back(c);
    paragraph.chars.push_back(format);
}

void add_marked_up(ParagraphState& paragraph, std::u32string_view text, const CharFormat& format);

// The markup between "{{" and "}}"; false when it is none.
bool add_markup(ParagraphState& paragraph, std::u32string_view inner, CharFormat format)
{
    const auto tagged = [&](std::u32string_view tag) {
        if (!inner.starts_with(tag)) return false;
        inner.remove_prefix(tag.size());
        return true;
    };
    if (inner == U"PICTURE") {
        add(paragraph, kInlinePicture, format);
    } else if (tagged(U"HIDDEN:")) {
        format.hidden = true;
        add_marked_up(paragraph, inner, format);
    } else if (tagged(U"CC:")) {
        add(paragraph, kContentControlStart, format);
        add_marked_up(paragraph, inner, format);
        add(paragraph, kContentControlEnd, format);
    } else if (tagged(U"U:")) {
        format.underline = word::Underline::single;
        add_marked_up(paragraph, inner, format);
    } else if (tagged(U"RED:")) {
        format.color = word::Color{255};  // RGB(255, 0, 0)
        add_marked_up(paragraph, inner, format);
    } else {
        const std::vector<std::u32string_view> parts = split_outside_markup(inner, U'|');
        if (parts.size() < 2) return false;
        // The result is all after the first bar, bars included.
        const std::u32string_view code = parts[0];
        add(paragraph, kFieldBegin, format);
        add_marked_up(paragraph, code, format);
        add(paragraph, kFieldSeparator, format);
        add_marked_up(paragraph, inner.substr(code.size() + 1), format);
        add(paragraph, kFieldEnd, format);
    }
    return true;
}

void add_marked_up(ParagraphState& paragraph, std::u32string_view text, const CharFormat& format)
{
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(U"{{")) {
            const std::size_t close = closing(text, i);
            if (close != npos) {
                const std::u32string_view whole = text.substr(i, close + 2 - i);
                if (!add_markup(paragraph, whole.substr(2, whole.size() - 4), format))
                    for (const char32_t c : whole) add(paragraph, c, format);
                i = close + 2;
                continue;
            }
        }
        add(paragraph, text[i], format);
        ++i;
    }
}

ParagraphState marked_up_paragraph(std::u32string_view text)
{
    ParagraphState paragraph;
    add_marked_up(paragraph, text, CharFormat{});
    // A paragraph formatted as a whole (in Word: selected with its mark)
    // has its mark in that format too.
    const bool whole = !paragraph.chars.empty() &&
                       std::all_of(paragraph.chars.begin(), paragraph.chars.end(),
                                   [&](const CharFormat& f) { return f == paragraph.chars.front(); });
    paragraph.chars.push_back(whole ? paragraph.chars.front() : CharFormat{});
    return paragraph;
}

bool is_row(std::u32string_view line)
{
    return line.size() >= 2 && line.front() == U'|' && line.back() == U'|';
}

}  // namespace

DocumentState load_listed_text(std::string_view utf8)
{
    DocumentState lines = load_text(utf8);
    DocumentState document;
    std::vector<std::size_t> landscape;  // sections, 0-based
    std::vector<std::size_t> unlinked;
    std::size_t breaks = 0;
    std::int32_t tables = 0;
    bool in_table = false;
    for (const ParagraphState& line : lines.paragraphs) {
        const std::u32string_view text = line.text;
        if (is_row(text)) {
            if (!in_table) ++tables;
            in_table = true;
            for (const std::u32string_view cell : split_outside_markup(text.substr(1, text.size() - 2), U'|')) {
                for (const std::u32string_view piece : split_outside_markup(trimmed(cell), U'¶')) {
                    document.paragraphs.push_back(marked_up_paragraph(piece));
                    document.paragraphs.back().table = tables;
                }
                document.paragraphs.back().mark = Mark::cell_end;
            }
            ParagraphState row_end = marked_up_paragraph(U"");
            row_end.mark = Mark::row_end;
            row_end.table = tables;
            document.paragraphs.push_back(std::move(row_end));
            continue;
        }
        in_table = false;
        if (text.starts_with(U"{{SECTION") && text.ends_with(U"}}")) {
            const std::u32string_view words = text.substr(9, text.size() - 11);
            if (words.empty() || words == U" LANDSCAPE" || words == U" UNLINKED" || words == U" LANDSCAPE UNLINKED") {
                ParagraphState section_break = marked_up_paragraph(U"");
                section_break.mark = Mark::section_break;
                document.paragraphs.push_back(std::move(section_break));
                ++breaks;
                if (words.find(U"LANDSCAPE") != npos) landscape.push_back(breaks);
                if (words.find(U"UNLINKED") != npos) unlinked.push_back(breaks);
                continue;
            }
        }
        std::u32string_view rest = text;
        std::string list_string;
        if (rest.starts_with(U"[[")) {
            const std::size_t close = rest.find(U"]]", 2);
            if (close != npos) {
                list_string = platform::encode_utf8(rest.substr(2, close - 2));
                rest.remove_prefix(close + 2);
            }
        }
        document.paragraphs.push_back(marked_up_paragraph(rest));
        document.paragraphs.back().list_string = std::move(list_string);
    }
    const Mark last = document.paragraphs.back().mark;
    if (last != Mark::paragraph || document.paragraphs.back().table != 0) document.paragraphs.push_back(marked_up_paragraph(U""));
    normalize(document);
    for (const std::size_t section : landscape) document.sections[section].landscape = true;
    for (const std::size_t section : unlinked)
        std::fill(std::begin(document.sections[section].footer_linked), std::end(document.sections[section].footer_linked),
                  false);
    return document;
}

}  // namespace standin
