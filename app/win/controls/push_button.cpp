#include "app/win/controls/push_button.h"

#include <string>

#include "app/win/controls/colours.h"
#include "platform/win/unique_handle.h"
#include "platform/win/window_text.h"

namespace app::win {

void FlatButton::create_push_button(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font)
{
    create_button(parent, bounds, id, caption, font);
}

void FlatButton::clicked()
{
    if (on_click_) on_click_();
}

void FlatButton::draw(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    RECT bounds = item.rcItem;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF fill_colour = disabled ? kButtonColour : (pressed || hovered()) ? kHoverColour : kButtonColour;
    FillRect(dc, &bounds, solid_brush(fill_colour));
    FrameRect(dc, &bounds, solid_brush(disabled ? kDisabledTextColour : kLineColour));

    const std::wstring caption = window_text(handle());
    RECT text_area = bounds;
    if (pressed) OffsetRect(&text_area, 1, 1);
    platform::win::selected_object font_in_use{dc, font()};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? kDisabledTextColour : kTextColour);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text_area,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = bounds;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace app::win
