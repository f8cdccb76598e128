// Letter case of ASCII letters only: what the settings file's sections and
// keys and the size names compare by, since they hold no other cased
// characters.
#pragma once

#include <algorithm>
#include <string_view>

namespace platform {

constexpr char fold_ascii_case(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool equal_ignoring_ascii_case(std::string_view left, std::string_view right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](char a, char b) { return fold_ascii_case(a) == fold_ascii_case(b); });
}

}  // namespace platform
