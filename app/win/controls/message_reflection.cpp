#include "app/win/controls/message_reflection.h"

namespace app::win {

bool reflect_to_control(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    HWND control = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        control = reinterpret_cast<HWND>(lparam);
        break;
    case WM_NOTIFY:
        control = reinterpret_cast<const NMHDR*>(lparam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        if (wparam != 0) control = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hwndItem;
        break;
    default:
        break;
    }
    if (!control || !IsWindow(control)) return false;
    result = SendMessageW(control, reflected(message), wparam, lparam);
    return true;
}

}  // namespace app::win
