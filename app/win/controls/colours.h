// The dialog's few colours.
#pragma once

#include <windows.h>

namespace app::win {

inline constexpr COLORREF kPageColour = RGB(255, 255, 255);
inline constexpr COLORREF kLineColour = RGB(0, 0, 0);
inline constexpr COLORREF kTextColour = RGB(0, 0, 0);
inline constexpr COLORREF kDisabledTextColour = RGB(160, 160, 160);
inline constexpr COLORREF kHoverColour = RGB(221, 236, 252);
inline constexpr COLORREF kButtonColour = RGB(240, 244, 250);
inline constexpr COLORREF kProgressStartColour = RGB(160, 200, 250);
inline constexpr COLORREF kProgressEndColour = RGB(20, 90, 200);

// One white brush for every control's background, alive for the process.
HBRUSH page_brush();

}  // namespace app::win
