#include "word/ole_message.h"

#include <cstdio>

#include "platform/error_text.h"

namespace word {

std::string ole_error_text(std::int32_t hresult)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8x", static_cast<unsigned>(hresult));
    return buffer;
}

std::string ole_failure_message(const std::string& description, const std::string& system_text,
                                std::int32_t hresult)
{
    std::string message = platform::trim_error_text(description);
    if (!message.empty()) return message;
    message = platform::trim_error_text(system_text);
    if (!message.empty()) return message;
    return ole_error_text(hresult);
}

std::string busy_word_message(const std::string& system_text, std::int32_t hresult)
{
    return "Word 正忙（可能有对话框未关闭），请在 Word 中完成当前操作后再试。\n" +
           ole_failure_message({}, system_text, hresult);
}

}  // namespace word
