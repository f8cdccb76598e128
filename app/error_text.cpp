#include "app/error_text.h"

#include <cstdint>

#include "platform/utf8.h"

namespace app {

namespace {

// The length of the UTF-8 sequence that begins with this byte.
std::size_t utf8_length(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

// One whole UTF-8 sequence; a malformed one is judged by its first byte.
char32_t decode(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() != utf8_length(lead)) return lead;
    if (character.size() == 1) return lead;
    char32_t code = lead & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return code;
}

char32_t last_code_point(const std::string& text)
{
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    return decode(std::string_view(text).substr(start));
}

// Lower-cases ASCII and the Latin-1, Greek and Cyrillic capitals that
// executable names are likely to hold; other characters stay as they are.
char32_t to_lower(char32_t c)
{
    if (c >= U'A' && c <= U'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB) || (c >= 0x410 && c <= 0x42F))
        return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

}  // namespace

std::string error_box_text(std::string message)
{
    if (!message.empty() && last_code_point(message) > U'.') message += '.';
    return message;
}

std::string application_title(std::string_view executable_path)
{
    const auto slash = executable_path.find_last_of("\\/:");
    std::string_view name = slash == std::string_view::npos ? executable_path : executable_path.substr(slash + 1);
    name = name.substr(0, name.find('.'));

    std::string title;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = utf8_length(static_cast<unsigned char>(name[i]));
        if (i + length > name.size()) length = 1;
        const std::string_view character = name.substr(i, length);
        if (i == 0)
            title.append(character);
        else
            platform::append_utf8(title, to_lower(decode(character)));
        i += length;
    }
    return title;
}

std::string save_failure_question()
{
    return "设置未能保存。仍要关闭窗口吗？\n选择“是”关闭窗口，本次的设置不保存；选择“否”回到窗口。";
}

}  // namespace app
