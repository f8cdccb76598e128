#include "app/size_table.h"

#include "platform/ascii_case.h"

namespace app {

std::string size_value(const std::string& text)
{
    if (text.empty()) return text;
    for (const auto& size : kChineseFontSizes)
        if (platform::equal_ignoring_ascii_case(size.name, text)) return std::string(size.value);
    return text;
}

}  // namespace app
