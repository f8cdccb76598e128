#include "platform/win/text.h"

#include <climits>
#include <stdexcept>

namespace platform::win {
namespace {

int checked_size(std::size_t size)
{
    if (size > INT_MAX) throw std::length_error("text too long");
    return static_cast<int>(size);
}

}  // namespace

std::wstring to_utf16(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int size = checked_size(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string to_utf8(std::wstring_view utf16)
{
    if (utf16.empty()) return {};
    const int size = checked_size(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string bstr_to_utf8(BSTR text)
{
    if (!text) return {};
    return to_utf8(std::wstring_view(text, SysStringLen(text)));
}

}  // namespace platform::win
