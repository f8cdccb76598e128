#include "app/win/controls/panel.h"

#include "app/win/controls/colours.h"
#include "app/win/controls/message_reflection.h"
#include "app/win/controls/self_painting.h"

namespace app::win {

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
    const auto paint_page = [this](HDC dc) {
        RECT client;
        GetClientRect(handle(), &client);
        FillRect(dc, &client, page_brush());
        paint(dc, client);
    };
    if (answer_paint_message(handle(), message, wparam, result, paint_page)) return result;
    if (answer_page_background(handle(), message, wparam, result)) return result;

    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(handle(), nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return default_message(message, wparam, lparam);
    }
}

}  // namespace app::win
