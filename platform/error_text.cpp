#include "platform/error_text.h"

namespace platform {

std::string trim_error_text(std::string text)
{
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > ' ' && last != '.') break;
        text.pop_back();
    }
    return text;
}

}  // namespace platform
