#include "app/win/controls/progress_bar.h"

#include "app/win/controls/colours.h"
#include "app/win/controls/self_painting.h"
#include "platform/win/unique_handle.h"

namespace app::win {

namespace {
constexpr const wchar_t* kProgressBarClass = L"TidysetProgressBar";

COLOR16 channel(BYTE value) { return static_cast<COLOR16>(value << 8); }

TRIVERTEX vertex(int x, int y, COLORREF colour)
{
    TRIVERTEX corner{};
    corner.x = x;
    corner.y = y;
    corner.Red = channel(GetRValue(colour));
    corner.Green = channel(GetGValue(colour));
    corner.Blue = channel(GetBValue(colour));
    return corner;
}
}  // namespace

void GradientProgressBar::create_progress_bar(HWND parent, const RECT& bounds, int id)
{
    register_class(kProgressBarClass, 0);
    create(0, kProgressBarClass, L"", WS_CHILD | WS_VISIBLE, bounds, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

int GradientProgressBar::filled_width(std::int16_t percent, int width)
{
    if (percent < 0 || percent >= 100) return width;
    return (percent * width + 50) / 100;
}

void GradientProgressBar::set_percent(std::int16_t percent)
{
    if (percent == percent_) return;
    percent_ = percent;
    InvalidateRect(handle(), nullptr, FALSE);
    UpdateWindow(handle());
}

void GradientProgressBar::paint(HDC dc)
{
    RECT client;
    GetClientRect(handle(), &client);
    const int filled = filled_width(percent_, client.right - client.left);

    RECT rest{client.left + filled, client.top, client.right, client.bottom};
    FillRect(dc, &rest, page_brush());
    if (filled > 0) {
        // The gradient spans the whole bar; the filled part shows its start.
        TRIVERTEX corners[2] = {vertex(client.left, client.top, kProgressStartColour),
                                vertex(client.right, client.bottom, kProgressEndColour)};
        GRADIENT_RECT mesh{0, 1};
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, client.left, client.top, client.left + filled, client.bottom);
        GdiGradientFill(dc, corners, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
        RestoreDC(dc, saved);
    }
}

LRESULT GradientProgressBar::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    if (answer_paint_message(handle(), message, wparam, result, [this](HDC dc) { paint(dc); })) return result;
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
