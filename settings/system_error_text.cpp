#include "settings/system_error_text.h"

namespace settings {

std::string trim_system_error_text(std::string text)
{
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > ' ' && last != '.') break;
        text.pop_back();
    }
    return text;
}

}  // namespace settings
