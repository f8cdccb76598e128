#include "app/win/controls/check_box.h"

#include <string>

#include "app/win/controls/colours.h"
#include "app/win/controls/text_metrics.h"
#include "platform/win/unique_handle.h"
#include "platform/win/window_text.h"

namespace app::win {

void FlatCheckBox::create_check_box(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font,
                                    bool checked)
{
    create_button(parent, bounds, id, caption, font, BS_AUTOCHECKBOX);
    set_checked(checked);
}

bool FlatCheckBox::checked() const { return SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void FlatCheckBox::set_checked(bool checked)
{
    if (checked == this->checked()) return;
    SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    InvalidateRect(handle(), nullptr, FALSE);
}

void FlatCheckBox::draw(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    const RECT bounds = item.rcItem;
    FillRect(dc, &bounds, page_brush());

    const int height = bounds.bottom - bounds.top;
    const int box_size = height - 2 > 0 ? height - 2 : height;
    RECT box{bounds.left, bounds.top + (height - box_size) / 2, bounds.left + box_size,
             bounds.top + (height - box_size) / 2 + box_size};
    FillRect(dc, &box, solid_brush(hovered() ? kHoverColour : kPageColour));
    FrameRect(dc, &box, solid_brush(kLineColour));

    if (checked()) {
        const int pen_width = box_size / 7 > 1 ? box_size / 7 : 1;
        platform::win::unique_hpen pen{CreatePen(PS_SOLID, pen_width, kTextColour)};
        platform::win::selected_object pen_in_use{dc, pen.get()};
        const int unit = box_size;
        POINT tick[3] = {{box.left + unit * 2 / 10, box.top + unit * 5 / 10},
                         {box.left + unit * 4 / 10, box.top + unit * 7 / 10},
                         {box.left + unit * 8 / 10, box.top + unit * 3 / 10}};
        Polyline(dc, tick, 3);
    }

    const std::wstring caption = window_text(handle());
    RECT text_area{box.right + box_size / 3 + 1, bounds.top, bounds.right, bounds.bottom};
    platform::win::selected_object font_in_use{dc, font()};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? kDisabledTextColour : kTextColour);
    TextOutW(dc, text_area.left, text_top(dc, bounds.top, bounds.bottom - bounds.top), caption.c_str(),
             static_cast<int>(caption.size()));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT measured = text_area;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_SINGLELINE | DT_LEFT | DT_NOPREFIX | DT_CALCRECT);
        RECT focus{text_area.left - 1, bounds.top, measured.right + 1, bounds.bottom};
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace app::win
