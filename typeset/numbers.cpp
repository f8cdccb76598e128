#include "typeset/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace typeset {

namespace {

[[noreturn]] void not_a_number(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Checks the syntax and rewrites the number with "." for from_chars.
bool normalise(const std::string& text, const std::string& separator, std::string& out)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && is_blank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < n && is_digit(text[i])) out += text[i++], ++digits;
    if (!separator.empty() && text.compare(i, separator.size(), separator) == 0) {
        i += separator.size();
        out += '.';
    } else if (i < n && text[i] == '.') {
        ++i;
        out += '.';
    }
    while (i < n && is_digit(text[i])) out += text[i++], ++digits;
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
        std::size_t exponent_digits = 0;
        while (i < n && is_digit(text[i])) out += text[i++], ++exponent_digits;
        if (exponent_digits == 0) return false;
    }
    while (i < n && is_blank(text[i])) ++i;
    return i == n;
}

long double parse_extended(const std::string& text, const std::string& separator)
{
    std::string number;
    if (!normalise(text, separator, number)) not_a_number(text);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) not_a_number(text);
    return value;
}

float to_float(long double value, const std::string& text)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) not_a_number(text);
    const auto rounded = static_cast<float>(value);
    if (!std::isfinite(rounded)) not_a_number(text);
    return rounded;
}

}  // namespace

float parse_float(const std::string& text, const std::string& decimal_separator)
{
    return to_float(parse_extended(text, decimal_separator), text);
}

float centimetres_to_points(const std::string& text, const std::string& decimal_separator)
{
    return to_float(parse_extended(text, decimal_separator) * kPointsPerCentimetre, text);
}

std::string format_seconds(std::int64_t milliseconds, const std::string& decimal_separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", static_cast<double>(milliseconds) / 1000.0);
    std::string text = buffer;
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, decimal_separator);
    return text;
}

std::string format_date(const CivilDate& date)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d年%d月%d日", date.year, date.month, date.day);
    return buffer;
}

}  // namespace typeset
