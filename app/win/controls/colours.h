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

// A solid brush of the colour, made on first use and kept for the process:
// the program paints with a handful of colours. Not to be deleted.
HBRUSH solid_brush(COLORREF colour);
// The white behind every control.
HBRUSH page_brush();

}  // namespace app::win
