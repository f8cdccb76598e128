#include "word/com/utf16.h"

#include <windows.h>

namespace word::com {

std::wstring to_utf16(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int length = static_cast<int>(utf8.size());
    const int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wide_length);
    return wide;
}

std::string to_utf8(std::wstring_view utf16)
{
    if (utf16.empty()) return {};
    const int length = static_cast<int>(utf16.size());
    const int narrow_length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrow_length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), narrow_length, nullptr, nullptr);
    return narrow;
}

}  // namespace word::com
