#include "settings/win/code_page.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

#include "platform/win/text.h"

namespace settings {
namespace {

int checked_size(std::size_t size)
{
    if (size > INT_MAX) throw std::length_error("text too long");
    return static_cast<int>(size);
}

}  // namespace

Win32AnsiCodePage::Win32AnsiCodePage() : code_page_(GetACP()) {}

Win32AnsiCodePage::Win32AnsiCodePage(unsigned code_page) : code_page_(code_page) {}

std::string Win32AnsiCodePage::to_utf8(std::string_view bytes) const
{
    if (bytes.empty()) return {};
    const int size = checked_size(bytes.size());
    const int length = MultiByteToWideChar(code_page_, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page_, 0, bytes.data(), size, wide.data(), length);
    return platform::win::to_utf8(wide);
}

std::optional<std::string> Win32AnsiCodePage::from_utf8(std::string_view text) const
{
    if (text.empty()) return std::string();
    const int size = checked_size(text.size());
    const int wide_length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (wide_length == 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), wide_length);
    // On a system whose ANSI code page is UTF-8 every valid text is representable.
    if (code_page_ == CP_UTF8) return std::string(text);

    // No best fit: "é" must not quietly become "e" on the way to the file.
    BOOL used_default = FALSE;
    const int length = WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length, nullptr, 0,
                                           nullptr, &used_default);
    if (length == 0 || used_default) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length, bytes.data(), length, nullptr,
                        &used_default);
    if (used_default) return std::nullopt;
    return bytes;
}

}  // namespace settings
