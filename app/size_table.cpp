#include "app/size_table.h"

namespace app {

namespace {
char fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

std::string size_value(const std::string& text)
{
    if (text.empty()) return text;
    for (const auto& size : kChineseFontSizes)
        if (equals_ignoring_case(size.name, text)) return std::string(size.value);
    return text;
}

}  // namespace app
