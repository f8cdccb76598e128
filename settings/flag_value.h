// Check-box states as the settings file holds them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// An integer, decimal or after "$", "0x" or "0X" hexadecimal, with an
// optional sign: nonzero is true. std::nullopt for anything else, the empty
// text included. Any number of digits is an integer; only zero is false.
std::optional<bool> parse_flag(std::string_view text);

inline std::string flag_text(bool value) { return value ? "1" : "0"; }

}  // namespace settings
