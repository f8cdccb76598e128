#include "app/win/controls/slider.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/win/controls/colours.h"
#include "app/win/controls/message_reflection.h"

namespace app::win {

namespace {
constexpr UINT_PTR kRepeatTimer = 1;

int thumb_centre(HWND slider)
{
    RECT thumb{};
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return (thumb.left + thumb.right) / 2;
}
}  // namespace

void TransparencySlider::create_slider(HWND parent, const RECT& bounds, int id)
{
    // No TBS_TOOLTIPS: the dialog shows no hints.
    create(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_NOTICKS, bounds,
           parent, id);
    SendMessageW(handle(), TBM_SETRANGEMIN, FALSE, kMinimum);
    SendMessageW(handle(), TBM_SETRANGEMAX, FALSE, kMaximum);
    SendMessageW(handle(), TBM_SETLINESIZE, 0, 1);
    SendMessageW(handle(), TBM_SETPAGESIZE, 0, 1);
    SendMessageW(handle(), TBM_SETPOS, TRUE, kMaximum);
    reported_position_ = kMaximum;
}

int TransparencySlider::position() const { return static_cast<int>(SendMessageW(handle(), TBM_GETPOS, 0, 0)); }

void TransparencySlider::set_position(int position)
{
    SendMessageW(handle(), TBM_SETPOS, TRUE, std::clamp(position, kMinimum, kMaximum));
    report_change();
}

void TransparencySlider::report_change()
{
    const int now = position();
    if (now == reported_position_) return;
    reported_position_ = now;
    if (on_change_) on_change_(now);
}

bool TransparencySlider::on_key(WPARAM key)
{
    // The trackbar's own keys step by a page and run Up and Page Up towards
    // the minimum; these follow the opacity instead.
    switch (key) {
    case VK_RIGHT:
    case VK_UP:
    case VK_ADD:
    case VK_PRIOR:
        set_position(position() + 1);
        return true;
    case VK_LEFT:
    case VK_DOWN:
    case VK_SUBTRACT:
    case VK_NEXT:
        set_position(position() - 1);
        return true;
    case VK_HOME:
        set_position(kMinimum);
        return true;
    case VK_END:
        set_position(kMaximum);
        return true;
    default:
        return false;
    }
}

bool TransparencySlider::start_track_click(POINT point)
{
    RECT thumb{};
    SendMessageW(handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    // On the thumb itself the trackbar drags it.
    if (PtInRect(&thumb, point)) return false;
    SetFocus(handle());
    click_x_ = point.x;
    direction_ = point.x < thumb_centre(handle()) ? -1 : 1;
    tracking_click_ = true;
    repeating_ = false;
    SetCapture(handle());
    step_towards_click();
    if (tracking_click_ && !thumb_reached_click()) SetTimer(handle(), kRepeatTimer, kFirstRepeatMilliseconds, nullptr);
    return true;
}

bool TransparencySlider::thumb_reached_click() const
{
    const int now = position();
    if (direction_ < 0) return now <= kMinimum || thumb_centre(handle()) <= click_x_;
    return now >= kMaximum || thumb_centre(handle()) >= click_x_;
}

void TransparencySlider::step_towards_click()
{
    if (thumb_reached_click()) {
        KillTimer(handle(), kRepeatTimer);
        return;
    }
    set_position(position() + direction_);
    if (thumb_reached_click()) KillTimer(handle(), kRepeatTimer);
}

void TransparencySlider::repeat_step()
{
    if (!tracking_click_) {
        KillTimer(handle(), kRepeatTimer);
        return;
    }
    if (!repeating_) {
        // After the first pause, the steps come faster.
        repeating_ = true;
        SetTimer(handle(), kRepeatTimer, kRepeatMilliseconds, nullptr);
    }
    step_towards_click();
}

void TransparencySlider::stop_track_click()
{
    if (!tracking_click_) return;
    tracking_click_ = false;
    KillTimer(handle(), kRepeatTimer);
    if (GetCapture() == handle()) ReleaseCapture();
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
            FillRect(draw.hdc, &line, solid_brush(kLineColour));
            return CDRF_SKIPDEFAULT;
        }
        if (draw.dwItemSpec == TBCD_THUMB) {
            RECT thumb = draw.rc;
            const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
            FillRect(draw.hdc, &thumb, solid_brush(pressed ? kHoverColour : kButtonColour));
            FrameRect(draw.hdc, &thumb, solid_brush(kLineColour));
            return CDRF_SKIPDEFAULT;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT TransparencySlider::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (on_key(wparam)) return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (start_track_click(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)})) return 0;
        break;
    case WM_MOUSEMOVE:
        if (tracking_click_) return 0;
        break;
    case WM_TIMER:
        if (wparam == kRepeatTimer) {
            repeat_step();
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (tracking_click_) {
            stop_track_click();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (tracking_click_ && reinterpret_cast<HWND>(lparam) != handle()) {
            tracking_click_ = false;
            KillTimer(handle(), kRepeatTimer);
        }
        break;
    default:
        break;
    }
    if (message == reflected(WM_HSCROLL)) {
        // Reported at each step of a drag (TB_THUMBTRACK) as well as for
        // the trackbar's own changes; a notification without a change is
        // passed over.
        report_change();
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
