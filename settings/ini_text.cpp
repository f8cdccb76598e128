#include "settings/ini_text.h"

namespace settings {
namespace {

bool is_blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trim(std::string_view text)
{
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string decode(std::string_view bytes, const CodePage& code_page)
{
    const bool utf8 = bytes.starts_with(utf8_byte_order_mark);
    if (utf8) bytes.remove_prefix(utf8_byte_order_mark.size());
    bytes = bytes.substr(0, bytes.find('\0'));
    return utf8 ? std::string(bytes) : code_page.to_utf8(bytes);
}

// Calls take(line) for each line; lines end at CR, LF or CR LF.
template <typename Take>
void for_each_line(std::string_view text, Take take)
{
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            take(text);
            return;
        }
        take(text.substr(0, end));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
}

std::string entry_or_line(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::string(line);
    std::string entry(trim(line.substr(0, equals)));
    entry += '=';
    entry += trim(line.substr(equals + 1));
    return entry;
}

}  // namespace

IniContent parse_ini(std::string_view bytes, const CodePage& code_page)
{
    const std::string text = decode(bytes, code_page);
    IniContent content;
    for_each_line(text, [&](std::string_view raw_line) {
        const std::string_view line = trim(raw_line);
        if (line.empty() || line.front() == ';') return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            content.push_back(IniSection{std::string(trim(line.substr(1, line.size() - 2))), {}});
            return;
        }
        if (content.empty()) return;
        content.back().lines.push_back(entry_or_line(line));
    });
    return content;
}

std::string ini_text(const IniContent& content)
{
    std::string text;
    for (const IniSection& section : content) {
        text += '[';
        text += section.name;
        text += "]\r\n";
        for (const std::string& line : section.lines) {
            text += line;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

std::string format_ini(const IniContent& content, const CodePage& code_page)
{
    const std::string text = ini_text(content);
    if (auto bytes = code_page.from_utf8(text)) return std::move(*bytes);
    return std::string(utf8_byte_order_mark) + text;
}

}  // namespace settings
