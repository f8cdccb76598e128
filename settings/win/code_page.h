// The system's ANSI code page, the settings file's encoding on Windows.
#pragma once

#include "settings/code_page.h"

namespace settings {

class Win32AnsiCodePage final : public CodePage {
public:
    // The system's ANSI code page.
    Win32AnsiCodePage();
    // Another code page by number (936), for tests on any system.
    explicit Win32AnsiCodePage(unsigned code_page);

    std::string to_utf8(std::string_view bytes) const override;
    std::optional<std::string> from_utf8(std::string_view text) const override;

private:
    unsigned code_page_;
};

}  // namespace settings
