// A window's text, in UTF-16 as the Win32 calls give it.
#pragma once

#include <windows.h>

#include <string>

namespace platform::win {

// A window's whole text (GetWindowTextW).
std::wstring window_text(HWND window);

}  // namespace platform::win
