#include "typeset/official_text.h"

#include <algorithm>

#include "platform/utf8.h"

namespace typeset {

namespace {

bool is_space(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0';
}

bool is_chinese_numeral(char32_t c)
{
    return std::u32string_view(U"一二三四五六七八九十百零〇").find(c) != std::u32string_view::npos;
}

bool is_digit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９');
}

bool is_opening(char32_t c) { return c == U'（' || c == U'('; }
bool is_closing(char32_t c) { return c == U'）' || c == U')'; }

template <class Predicate>
std::size_t skip(std::u32string_view text, std::size_t at, Predicate predicate)
{
    while (at < text.size() && predicate(text[at])) ++at;
    return at;
}


}  // namespace

std::int32_t utf16_length(std::u32string_view text)
{
    std::int32_t units = 0;
    for (const char32_t c : text) units += c > 0xFFFF ? 2 : 1;
    return units;
}



std::vector<TextParagraph> split_paragraphs(std::string_view utf8)
{
    const std::u32string text = platform::decode_utf8(utf8);

    std::vector<TextParagraph> paragraphs;
    std::int32_t position = 0;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t mark = text.find(U'\r', from);
        if (mark == std::u32string::npos) mark = text.size();
        TextParagraph paragraph{position, 0, text.substr(from, mark - from)};
        paragraph.length = utf16_length(paragraph.text);
        position += paragraph.length + 1;
        paragraphs.push_back(std::move(paragraph));
        from = mark + 1;
    }
    if (paragraphs.empty()) paragraphs.push_back({0, 0, {}});
    return paragraphs;
}

bool is_blank(std::u32string_view text)
{
    return std::all_of(text.begin(), text.end(), is_space);
}

std::u32string trimmed(std::u32string_view text)
{
    const std::size_t first = skip(text, 0, is_space);
    std::size_t last = text.size();
    while (last > first && is_space(text[last - 1])) --last;
    return std::u32string(text.substr(first, last - first));
}

HeadingLevel heading_level(std::u32string_view text)
{
    const std::size_t at = skip(text, 0, is_space);
    if (at >= text.size()) return HeadingLevel::none;

    const std::size_t numerals = skip(text, at, is_chinese_numeral);
    if (numerals > at && numerals < text.size() && text[numerals] == U'、') return HeadingLevel::one;

    if (is_opening(text[at])) {
        const std::size_t chinese = skip(text, at + 1, is_chinese_numeral);
        if (chinese > at + 1 && chinese < text.size() && is_closing(text[chinese])) return HeadingLevel::two;
        const std::size_t digits = skip(text, at + 1, is_digit);
        if (digits > at + 1 && digits < text.size() && is_closing(text[digits])) return HeadingLevel::four;
        return HeadingLevel::none;
    }

    const std::size_t digits = skip(text, at, is_digit);
    if (digits > at && digits < text.size() && (text[digits] == U'.' || text[digits] == U'．')) {
        // "1.5倍" is a number.
        if (digits + 1 < text.size() && is_digit(text[digits + 1])) return HeadingLevel::none;
        return HeadingLevel::three;
    }
    return HeadingLevel::none;
}

std::int32_t heading_extent(const TextParagraph& paragraph)
{
    const std::u32string_view text = paragraph.text;
    const std::size_t stop = text.find(U'。');
    if (stop != std::u32string_view::npos && !is_blank(text.substr(stop + 1)))
        return utf16_length(text.substr(0, stop + 1));
    return paragraph.length + 1;
}

bool ends_with_colon(std::u32string_view text)
{
    const std::u32string line = trimmed(text);
    return !line.empty() && (line.back() == U'：' || line.back() == U':');
}

bool is_date_line(std::u32string_view text)
{
    const std::u32string line = trimmed(text);
    std::size_t at = 0;
    for (const char32_t unit : {U'年', U'月', U'日'}) {
        const std::size_t digits = skip(line, at, is_digit);
        const std::size_t wanted_most = unit == U'年' ? 4 : 2;
        if (digits == at || digits - at > wanted_most || digits >= line.size() || line[digits] != unit) return false;
        at = digits + 1;
    }
    return at == line.size();
}

float width_in_characters(std::u32string_view text)
{
    float width = 0;
    for (const char32_t c : text) width += c < 0x1100 ? 0.5f : 1.0f;
    return width;
}

SignOffIndents sign_off_indents(std::u32string_view name, std::u32string_view date)
{
    const float name_width = width_in_characters(trimmed(name));
    const float date_width = width_in_characters(trimmed(date));
    // The date starts two characters right of the name: its right end lies
    // name_width - 2 - date_width characters right of the name's.
    const float date_indent = std::max(2.0f, name_width - date_width);
    return {date_indent + date_width + 2 - name_width, date_indent};
}

}  // namespace typeset
