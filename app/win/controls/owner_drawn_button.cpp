#include "app/win/controls/owner_drawn_button.h"

#include <commctrl.h>

#include "app/win/controls/message_reflection.h"

namespace app::win {

void OwnerDrawnButton::create_button(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font,
                                     DWORD kind)
{
    font_ = font;
    create(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, bounds, parent, id);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

LRESULT OwnerDrawnButton::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        if (!hovered_) {
            hovered_ = true;
            TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, handle(), 0};
            TrackMouseEvent(&leave);
            InvalidateRect(handle(), nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        hovered_ = false;
        InvalidateRect(handle(), nullptr, FALSE);
        break;
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click, not a double click.
        return default_message(WM_LBUTTONDOWN, wparam, lparam);
    case WM_ERASEBKGND:
        return 1;
    default:
        if (message == reflected(WM_DRAWITEM)) {
            draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        }
        if (message == reflected(WM_NOTIFY)) {
            const auto& custom = *reinterpret_cast<const NMCUSTOMDRAW*>(lparam);
            if (custom.hdr.code != NM_CUSTOMDRAW) return 0;
            // Every drawing stage is ours; the system draws nothing. The
            // erase stage comes first, and skipping it may skip the rest.
            if (custom.dwDrawStage == CDDS_PREERASE || custom.dwDrawStage == CDDS_PREPAINT) {
                DRAWITEMSTRUCT item{};
                item.CtlType = ODT_BUTTON;
                item.hwndItem = handle();
                item.hDC = custom.hdc;
                item.rcItem = custom.rc;
                if (!IsWindowEnabled(handle())) item.itemState |= ODS_DISABLED;
                if (GetFocus() == handle()) item.itemState |= ODS_FOCUS;
                if (SendMessageW(handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) item.itemState |= ODS_NOFOCUSRECT;
                draw(item);
            }
            return CDRF_SKIPDEFAULT;
        }
        if (message == reflected(WM_COMMAND)) {
            if (HIWORD(wparam) == BN_CLICKED) clicked();
            return 0;
        }
        break;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
