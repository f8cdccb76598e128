#include "tests/standin/layout.h"

namespace standin {

bool is_full_width(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

double character_width(char32_t c, const CharFormat& format)
{
    const double size = format.size;
    return is_full_width(c) ? size : size / 2;
}

std::vector<std::int32_t> line_starts(const ParagraphState& paragraph, const PageSetupState& page)
{
    const double text_width = a4_width_points - page.left - page.right;
    std::vector<std::int32_t> starts{0};
    double available = text_width - paragraph.format.first_line_indent;
    double used = 0;
    std::int32_t on_line = 0;
    for (std::size_t i = 0; i < paragraph.text.size(); ++i) {
        const CharFormat& format = i < paragraph.chars.size() ? paragraph.chars[i] : CharFormat{};
        const double width = character_width(paragraph.text[i], format);
        if (on_line > 0 && used + width > available) {
            starts.push_back(static_cast<std::int32_t>(i));
            available = text_width;
            used = 0;
            on_line = 0;
        }
        used += width;
        ++on_line;
    }
    return starts;
}

}  // namespace standin
