// The settings file in memory: ordered sections of ordered lines, exactly as
// they will be written back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct IniSection {
    std::string name;
    // Entries are "key=value"; lines without "=" are kept as they were read.
    std::vector<std::string> lines;

    bool operator==(const IniSection&) const = default;
};

using IniContent = std::vector<IniSection>;

// The text before the first "=", or std::nullopt for a line without one.
std::optional<std::string_view> entry_key(std::string_view line);

// Names and keys match without regard to case; when one occurs twice, the
// later one is found.
const IniSection* find_section(const IniContent& content, std::string_view name);
std::optional<std::string> find_value(const IniContent& content, std::string_view section, std::string_view key);

// Replaces the key's line in place with key "=" value, spelt as given here;
// else appends the line to the section, or a new section to the content.
void set_value(IniContent& content, std::string_view section, std::string_view key, std::string_view value);

}  // namespace settings
