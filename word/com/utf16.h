// UTF-8 inside, UTF-16 at the COM boundary.
#pragma once

#include <string>
#include <string_view>

namespace word::com {

std::wstring to_utf16(std::string_view utf8);
std::string to_utf8(std::wstring_view utf16);

}  // namespace word::com
