// UTF-8 inside, UTF-16 at the Win32 calls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace app::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// A window's whole text (GetWindowTextW).
std::wstring window_text(HWND window);

}  // namespace app::win
