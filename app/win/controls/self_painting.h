// For windows that paint all of themselves in one routine, background
// included: the paint messages in one place, so that WM_PRINTCLIENT (used by
// the tests and by animations) draws exactly what WM_PAINT does. And the
// white page behind the controls, for the windows that hold them.
#pragma once

#include <windows.h>

#include "app/win/controls/colours.h"
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

// Answers WM_ERASEBKGND with the page's white, and WM_CTLCOLOR* of the
// system controls inside with black text on white; false for any other
// message.
inline bool answer_page_background(HWND window, UINT message, WPARAM wparam, LRESULT& result)
{
    const auto dc = reinterpret_cast<HDC>(wparam);
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, page_brush());
        result = 1;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kPageColour);
        result = reinterpret_cast<LRESULT>(page_brush());
        return true;
    default:
        return false;
    }
}

}  // namespace app::win
