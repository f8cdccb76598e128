#include "app/win/slider.h"

#include <commctrl.h>

#include <utility>

#include "app/win/colours.h"
#include "app/win/message_reflection.h"
#include "app/win/unique_handle.h"

namespace app::win {

void TransparencySlider::create_slider(HWND parent, const RECT& bounds, int id, std::function<void(int)> on_change)
{
    on_change_ = std::move(on_change);
    // No TBS_TOOLTIPS: the dialog shows no hints.
    create(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_NOTICKS, bounds,
           parent, id);
    SendMessageW(handle(), TBM_SETRANGEMIN, FALSE, kMinimum);
    SendMessageW(handle(), TBM_SETRANGEMAX, FALSE, kMaximum);
    SendMessageW(handle(), TBM_SETPOS, TRUE, kMaximum);
    reported_position_ = kMaximum;
}

int TransparencySlider::position() const { return static_cast<int>(SendMessageW(handle(), TBM_GETPOS, 0, 0)); }

void TransparencySlider::set_position(int position)
{
    SendMessageW(handle(), TBM_SETPOS, TRUE, position);
    const int now = this->position();
    if (now != reported_position_) {
        reported_position_ = now;
        if (on_change_) on_change_(now);
    }
}

LRESULT TransparencySlider::custom_draw(NMCUSTOMDRAW& draw)
{
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if (draw.dwItemSpec == TBCD_CHANNEL) {
            // A thin black line through the middle of the channel.
            RECT line = draw.rc;
            const int middle = (line.top + line.bottom) / 2;
            line.top = middle;
            line.bottom = middle + 1;
            unique_hbrush brush{CreateSolidBrush(kLineColour)};
            FillRect(draw.hdc, &line, brush.get());
            return CDRF_SKIPDEFAULT;
        }
        if (draw.dwItemSpec == TBCD_THUMB) {
            RECT thumb = draw.rc;
            const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
            unique_hbrush fill{CreateSolidBrush(pressed ? kHoverColour : kButtonColour)};
            FillRect(draw.hdc, &thumb, fill.get());
            unique_hbrush frame{CreateSolidBrush(kLineColour)};
            FrameRect(draw.hdc, &thumb, frame.get());
            return CDRF_SKIPDEFAULT;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT TransparencySlider::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == reflected(WM_HSCROLL)) {
        // Reported at each step of a drag (TB_THUMBTRACK) as well as for
        // clicks and keys; a notification without a change is passed over.
        const int now = position();
        if (now != reported_position_) {
            reported_position_ = now;
            if (on_change_) on_change_(now);
        }
        return 0;
    }
    if (message == reflected(WM_NOTIFY)) {
        auto& header = *reinterpret_cast<NMHDR*>(lparam);
        if (header.code == NM_CUSTOMDRAW) return custom_draw(*reinterpret_cast<NMCUSTOMDRAW*>(lparam));
        return 0;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
