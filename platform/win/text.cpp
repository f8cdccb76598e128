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

// "" for empty bytes, and for bytes that MB_ERR_INVALID_CHARS rejects.
std::wstring multi_byte_to_wide(std::string_view bytes, unsigned code_page, DWORD flags)
{
    if (bytes.empty()) return {};
    const int size = checked_size(bytes.size());
    const int length = MultiByteToWideChar(code_page, flags, bytes.data(), size, nullptr, 0);
    if (length == 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, flags, bytes.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::wstring to_utf16(std::string_view bytes, unsigned code_page)
{
    return multi_byte_to_wide(bytes, code_page, 0);
}

std::optional<std::wstring> to_utf16_strict(std::string_view bytes, unsigned code_page)
{
    if (bytes.empty()) return std::wstring();
    std::wstring wide = multi_byte_to_wide(bytes, code_page, MB_ERR_INVALID_CHARS);
    // Bytes that are there give at least one character, unless they are rejected.
    if (wide.empty()) return std::nullopt;
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
