// The traditional Chinese font sizes offered by both size combos, and how a
// combo's text becomes a point size.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dialog/values.h"

namespace app {

struct ChineseFontSize {
    std::string_view name;   // the entry shown, "小二(18)"
    std::string_view value;  // its size in points, "18"
};

inline constexpr std::array<ChineseFontSize, 16> kChineseFontSizes{{
    {"初号(42)", "42"}, {"小初(36)", "36"}, {"一号(26)", "26"},  {"小一(24)", "24"},
    {"二号(22)", "22"}, {"小二(18)", "18"}, {"三号(16)", "16"},  {"小三(15)", "15"},
    {"四号(14)", "14"}, {"小四(12)", "12"}, {"五号(10.5)", "10.5"}, {"小五(9)", "9"},
    {"六号(7.5)", "7.5"}, {"小六(6.5)", "6.5"}, {"七号(5.5)", "5.5"}, {"八号(5)", "5"},
}};

// The entry named `name`; -1 when there is none.
constexpr int size_index(std::string_view name)
{
    for (std::size_t i = 0; i < kChineseFontSizes.size(); ++i) {
        if (kChineseFontSizes[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

// The entries the first page's combos start with.
inline constexpr int kBodySizeIndex = size_index(dialog::built_in(dialog::SizeCombo::zwFontSize));
inline constexpr int kTitleSizeIndex = size_index(dialog::built_in(dialog::SizeCombo::btFontSize));

// The value string of the entry whose text equals `text` ignoring letter
// case, or else the text itself. Only the text counts, never the selection.
std::string size_value(const std::string& text);

}  // namespace app
