// Notifications go to a control's parent; ours send them back to the control
// itself, so that each control file holds its own behaviour.
#pragma once

#include <windows.h>

namespace app::win {

// Above every message the common controls define for themselves.
inline constexpr UINT kReflectedBase = WM_USER + 0x1C00;
inline constexpr UINT reflected(UINT message) { return kReflectedBase + message; }

// Sends a notification (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_HSCROLL,
// WM_VSCROLL) back to the control it came from. False when the message is
// none of these or names no control.
bool reflect_to_control(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

}  // namespace app::win
