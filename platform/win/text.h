// UTF-8 inside, UTF-16 at the wide-character Win32 and COM calls.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace platform::win {

std::wstring to_utf16(std::string_view utf8);
std::string to_utf8(std::wstring_view utf16);

// A BSTR's text in UTF-8; "" for a null BSTR.
std::string bstr_to_utf8(BSTR text);

}  // namespace platform::win
