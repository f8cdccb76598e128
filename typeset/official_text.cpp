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

// 0 to 9 for "〇" (or "○", "零") to "九", -1 for anything else.
int chinese_digit(char32_t c)
{
    const std::size_t at = std::u32string_view(U"〇一二三四五六七八九").find(c);
    if (at != std::u32string_view::npos) return static_cast<int>(at);
    return c == U'○' || c == U'零' ? 0 : -1;
}

int digit_value(char32_t c) { return c >= U'０' ? static_cast<int>(c - U'０') : static_cast<int>(c - U'0'); }

// "十二" 12, "二十" 20, "三十一" 31, "一百" 100; -1 when it is none of these.
int chinese_number(std::u32string_view numerals)
{
    int value = 0;
    int digit = -1;
    for (const char32_t c : numerals) {
        if (c == U'十' || c == U'百') {
            value += (digit < 0 ? 1 : digit) * (c == U'十' ? 10 : 100);
            digit = -1;
        } else {
            const int d = chinese_digit(c);
            if (d < 0 || digit >= 0) return -1;
            digit = d;
        }
    }
    return numerals.empty() ? -1 : value + (digit < 0 ? 0 : digit);
}

// Arabic digits, full-width ones too: their value, or -1.
int arabic_number(std::u32string_view digits)
{
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), is_digit)) return -1;
    int value = 0;
    for (const char32_t c : digits) value = std::min(value * 10 + digit_value(c), 100000);
    return value;
}

// A year written out: "2027年" or "二〇二七年".
bool starts_with_year(std::u32string_view text)
{
    if (text.size() < 5 || text[4] != U'年') return false;
    const std::u32string_view year = text.substr(0, 4);
    return std::all_of(year.begin(), year.end(), is_digit) ||
           std::all_of(year.begin(), year.end(), [](char32_t c) { return chinese_digit(c) >= 0; });
}

// "二、三季度", "一、二年级": the number after "、" counts on from the one
// before it, so the two are a list of numbers, not a heading. "三、一季度"
// and "一、一体化" do not count on.
bool counts_on(std::u32string_view number, std::u32string_view rest)
{
    rest = rest.substr(std::min(rest.size(), skip(rest, 0, is_space)));
    if (rest.empty() || !is_chinese_numeral(rest.front()) || starts_with_year(rest)) return false;
    const int next = rest.front() == U'十' ? 10 : rest.front() == U'百' ? 100 : chinese_digit(rest.front());
    return next > chinese_number(number);
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
    if (numerals > at && numerals < text.size() && text[numerals] == U'、')
        return counts_on(text.substr(at, numerals - at), text.substr(numerals + 1)) ? HeadingLevel::none
                                                                                     : HeadingLevel::one;

    if (is_opening(text[at])) {
        const std::size_t chinese = skip(text, at + 1, is_chinese_numeral);
        if (chinese > at + 1 && chinese < text.size() && is_closing(text[chinese])) return HeadingLevel::two;
        const std::size_t digits = skip(text, at + 1, is_digit);
        if (digits > at + 1 && digits < text.size() && is_closing(text[digits])) return HeadingLevel::four;
        return HeadingLevel::none;
    }

    const std::size_t digits = skip(text, at, is_digit);
    if (digits > at && digits < text.size() && (text[digits] == U'.' || text[digits] == U'．')) {
        // "1.5倍" is a number; "1.2027年重点工作" a heading.
        const std::u32string_view rest = text.substr(digits + 1);
        if (!rest.empty() && is_digit(rest.front()) && !starts_with_year(rest)) return HeadingLevel::none;
        return HeadingLevel::three;
    }
    return HeadingLevel::none;
}

std::int32_t heading_extent(const TextParagraph& paragraph)
{
    const std::u32string_view text = paragraph.text;
    const std::size_t stop = text.find_first_of(U"。：；？！");
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
    const std::size_t year = line.find(U'年');
    const std::size_t month = line.find(U'月');
    const std::size_t day = line.find(U'日');
    if (year != 4 || month == std::u32string::npos || month < year || day != line.size() - 1 || day < month)
        return false;
    const std::u32string_view view = line;
    const std::u32string_view y = view.substr(0, year);
    const std::u32string_view m = view.substr(year + 1, month - year - 1);
    const std::u32string_view d = view.substr(month + 1, day - month - 1);
    // All in Arabic digits or all in Chinese numerals, as a date is written.
    const bool arabic = std::all_of(y.begin(), y.end(), is_digit);
    const bool chinese = std::all_of(y.begin(), y.end(), [](char32_t c) { return chinese_digit(c) >= 0; });
    if (!arabic && !chinese) return false;
    const int month_value = arabic ? (m.size() <= 2 ? arabic_number(m) : -1) : chinese_number(m);
    const int day_value = arabic ? (d.size() <= 2 ? arabic_number(d) : -1) : chinese_number(d);
    return month_value >= 1 && month_value <= 12 && day_value >= 1 && day_value <= 31;
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
