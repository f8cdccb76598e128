// The byte encoding of the settings file. The core keeps UTF-8 text; a code
// page turns the file's bytes into it and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

class CodePage {
public:
    virtual ~CodePage() = default;
    // Bytes that are not valid in the code page still give some text; a
    // settings file never fails to load because of its content.
    virtual std::string to_utf8(std::string_view bytes) const = 0;
    // std::nullopt when some character has no representation in the code page.
    virtual std::optional<std::string> from_utf8(std::string_view text) const = 0;
};

// Bytes are taken as UTF-8 as they stand, for systems without an ANSI code page.
class Utf8CodePage final : public CodePage {
public:
    std::string to_utf8(std::string_view bytes) const override { return std::string(bytes); }
    std::optional<std::string> from_utf8(std::string_view text) const override
    {
        return std::string(text);
    }
};

}  // namespace settings
