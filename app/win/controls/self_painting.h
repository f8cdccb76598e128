// For windows that paint all of themselves in one routine, background
// included: the paint messages in one place, so that WM_PRINTCLIENT (used by
// the tests and by animations) draws exactly what WM_PAINT does.
#pragma once

#include <windows.h>

#include "platform/win/unique_handle.h"

namespace app::win {

// Answers WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND; false for any other
// message.
template <class Paint>
bool answer_paint_message(HWND window, UINT message, WPARAM wparam, LRESULT& result, Paint paint)
{
    switch (message) {
    case WM_PAINT: {
        platform::win::paint_scope painting{window};
        paint(painting.get());
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wparam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    default:
        return false;
    }
}

}  // namespace app::win
