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

std::string in_sentence(std::string_view before, std::string_view program, std::string_view after)
{
    const auto latin = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    std::string text(before);
    if (!before.empty() && !program.empty() && latin(program.front()) && !latin(before.back())) text += ' ';
    text += program;
    if (!after.empty() && !program.empty() && latin(program.back()) && !latin(after.front())) text += ' ';
    text += after;
    return text;
}

std::string busy_word_message(std::string_view program, const std::string& system_text, std::int32_t hresult)
{
    return in_sentence("", program, "正忙（可能有对话框未关闭），") + in_sentence("请在", program, "中完成当前操作后再试。\n") +
           ole_failure_message({}, system_text, hresult);
}

}  // namespace word
