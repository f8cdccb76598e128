// A code page by its iconv name ("CP936"), for POSIX systems and for testing
// the Windows byte layout natively.
#pragma once

#include <string>

#include "settings/code_page.h"

namespace settings {

class IconvCodePage final : public CodePage {
public:
    // Throws std::runtime_error when iconv does not know the name.
    explicit IconvCodePage(std::string name);

    std::string to_utf8(std::string_view bytes) const override;
    std::optional<std::string> from_utf8(std::string_view text) const override;

private:
    std::string name_;
};

}  // namespace settings
