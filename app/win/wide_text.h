// Window texts, in UTF-16 as the Win32 calls take them.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/text.h"

namespace app::win {

using platform::win::to_utf16;
using platform::win::to_utf8;

// A window's whole text (GetWindowTextW).
std::wstring window_text(HWND window);

}  // namespace app::win
