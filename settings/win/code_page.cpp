#include "settings/win/code_page.h"

#include <windows.h>

#include "platform/win/text.h"

namespace settings {

Win32AnsiCodePage::Win32AnsiCodePage() : code_page_(GetACP()) {}

Win32AnsiCodePage::Win32AnsiCodePage(unsigned code_page) : code_page_(code_page) {}

std::string Win32AnsiCodePage::to_utf8(std::string_view bytes) const
{
    return platform::win::to_utf8(platform::win::to_utf16(bytes, code_page_));
}

std::optional<std::string> Win32AnsiCodePage::from_utf8(std::string_view text) const
{
    if (text.empty()) return std::string();
    const std::optional<std::wstring> wide = platform::win::to_utf16_strict(text, CP_UTF8);
    if (!wide) return std::nullopt;
    // At most one UTF-16 unit per byte: the length fits where the text's did.
    const int wide_length = static_cast<int>(wide->size());
    // On a system whose ANSI code page is UTF-8 every valid text is representable.
    if (code_page_ == CP_UTF8) return std::string(text);

    // No best fit: "é" must not quietly become "e" on the way to the file.
    BOOL used_default = FALSE;
    const int length = WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide->data(), wide_length, nullptr, 0,
                                           nullptr, &used_default);
    if (length == 0 || used_default) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide->data(), wide_length, bytes.data(), length, nullptr,
                        &used_default);
    if (used_default) return std::nullopt;
    return bytes;
}

}  // namespace settings
