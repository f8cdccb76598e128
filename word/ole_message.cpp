#include "word/ole_message.h"

#include <cstdio>

namespace word {

std::string trim_error_description(std::string text)
{
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > ' ' && last != '.') break;
        text.pop_back();
    }
    return text;
}

std::string ole_error_text(std::int32_t hresult)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8x", static_cast<unsigned>(hresult));
    return buffer;
}

std::string ole_failure_message(const std::string& description, const std::string& system_text,
                                std::int32_t hresult)
{
    std::string message = trim_error_description(description);
    if (!message.empty()) return message;
    message = trim_error_description(system_text);
    if (!message.empty()) return message;
    return ole_error_text(hresult);
}

}  // namespace word
