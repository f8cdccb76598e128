// UTF-8 and UTF-16 at the boundary to the wide-character Win32 API.
#pragma once

#include <string>
#include <string_view>

namespace settings {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace settings
