#include "settings/ini_content.h"

#include <algorithm>

#include "platform/ascii_case.h"

namespace settings {
namespace {

IniSection* last_section_named(IniContent& content, std::string_view name)
{
    const auto found = std::find_if(content.rbegin(), content.rend(), [&](const IniSection& section) {
        return platform::equal_ignoring_ascii_case(section.name, name);
    });
    return found == content.rend() ? nullptr : &*found;
}

template <typename Lines>
auto last_line_with_key(Lines& lines, std::string_view key)
{
    return std::find_if(lines.rbegin(), lines.rend(), [&](std::string_view line) {
        const auto line_key = entry_key(line);
        return line_key && platform::equal_ignoring_ascii_case(*line_key, key);
    });
}

std::string entry_line(std::string_view key, std::string_view value)
{
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

}  // namespace

std::optional<std::string_view> entry_key(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return line.substr(0, equals);
}

const IniSection* find_section(const IniContent& content, std::string_view name)
{
    return last_section_named(const_cast<IniContent&>(content), name);
}

std::optional<std::string> find_value(const IniContent& content, std::string_view section, std::string_view key)
{
    const IniSection* found_section = find_section(content, section);
    if (!found_section) return std::nullopt;
    const auto line = last_line_with_key(found_section->lines, key);
    if (line == found_section->lines.rend()) return std::nullopt;
    return line->substr(line->find('=') + 1);
}

void set_value(IniContent& content, std::string_view section, std::string_view key, std::string_view value)
{
    IniSection* found_section = last_section_named(content, section);
    if (!found_section) {
        content.push_back(IniSection{std::string(section), {entry_line(key, value)}});
        return;
    }
    const auto line = last_line_with_key(found_section->lines, key);
    if (line == found_section->lines.rend()) {
        found_section->lines.push_back(entry_line(key, value));
    } else {
        *line = entry_line(key, value);
    }
}

}  // namespace settings
