#include "settings/win32_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace settings {

std::wstring widen(std::string_view text)
{
    if (text.empty()) return {};
    if (text.size() > INT_MAX) throw std::length_error("text too long");
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view text)
{
    if (text.empty()) return {};
    if (text.size() > INT_MAX) throw std::length_error("text too long");
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow_text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow_text.data(), length, nullptr, nullptr);
    return narrow_text;
}

}  // namespace settings
