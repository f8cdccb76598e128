#include "settings/flag_value.h"

#include <algorithm>

namespace settings {
namespace {

bool is_decimal_digit(char c) { return c >= '0' && c <= '9'; }

bool is_hexadecimal_digit(char c)
{
    return is_decimal_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<bool> parse_flag(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);

    bool hexadecimal = false;
    if (text.starts_with('$')) {
        hexadecimal = true;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        hexadecimal = true;
        text.remove_prefix(2);
    }

    if (text.empty()) return std::nullopt;
    const auto is_digit = hexadecimal ? is_hexadecimal_digit : is_decimal_digit;
    if (!std::all_of(text.begin(), text.end(), is_digit)) return std::nullopt;
    return std::any_of(text.begin(), text.end(), [](char c) { return c != '0'; });
}

}  // namespace settings
