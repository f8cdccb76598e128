// UTF-8 inside, UTF-16 at the wide-character Win32 and COM calls.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform::win {

// Bytes in a code page (UTF-8 unless another is given: CP_ACP, 936) as
// UTF-16. Sequences not valid in the code page still give some text.
std::wstring to_utf16(std::string_view bytes, unsigned code_page = CP_UTF8);
// The same, but std::nullopt when some sequence is not valid in the code page.
std::optional<std::wstring> to_utf16_strict(std::string_view bytes, unsigned code_page);
std::string to_utf8(std::wstring_view utf16);

// A BSTR's text in UTF-8; "" for a null BSTR.
std::string bstr_to_utf8(BSTR text);

}  // namespace platform::win
