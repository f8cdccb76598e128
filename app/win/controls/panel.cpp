#include "app/win/controls/panel.h"

#include "app/win/controls/colours.h"
#include "app/win/controls/message_reflection.h"
#include "platform/win/unique_handle.h"

namespace app::win {

HBRUSH page_brush()
{
    static const HBRUSH brush = CreateSolidBrush(kPageColour);
    return brush;
}

namespace {
constexpr const wchar_t* kPanelClass = L"TidysetPanel";
}

void Panel::create_panel(HWND parent, const RECT& bounds, const wchar_t* caption, int id)
{
    register_class(kPanelClass);
    create(WS_EX_CONTROLPARENT, kPanelClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
           bounds, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void Panel::paint(HDC, const RECT&) {}

LRESULT Panel::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    if (reflect_to_control(message, wparam, lparam, result)) return result;

    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(handle(), nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(handle(), &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, page_brush());
        return 1;
    }
    case WM_PAINT: {
        platform::win::paint_scope painting{handle()};
        RECT client;
        GetClientRect(handle(), &client);
        paint(painting.get(), client);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(handle(), &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, page_brush());
        paint(reinterpret_cast<HDC>(wparam), client);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        const auto dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kPageColour);
        return reinterpret_cast<LRESULT>(page_brush());
    }
    default:
        return default_message(message, wparam, lparam);
    }
}

}  // namespace app::win
