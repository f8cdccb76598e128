#include "app/win/controls/flat_edit.h"

#include <imm.h>

#include "app/win/controls/colours.h"
#include "platform/win/text.h"
#include "platform/win/unique_handle.h"
#include "platform/win/window_text.h"

namespace app::win {

void FlatEdit::create_edit(HWND parent, const RECT& bounds, int id, const std::string& text, HFONT font)
{
    create(0, L"EDIT", to_utf16(text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, bounds,
           parent, id);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // The text sits in the middle of the field, above the bottom line.
    TEXTMETRICW metrics{};
    {
        platform::win::window_dc dc{handle()};
        platform::win::selected_object font_in_use{dc.get(), font};
        GetTextMetricsW(dc.get(), &metrics);
    }
    const int field_height = bounds.bottom - bounds.top - 1;
    text_inset_ = field_height > metrics.tmHeight ? (field_height - metrics.tmHeight) / 2 : 0;
    // Applies the non-client area of WM_NCCALCSIZE.
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string FlatEdit::text() const { return to_utf8(window_text(handle())); }

void FlatEdit::set_text(const std::string& text) { SetWindowTextW(handle(), to_utf16(text).c_str()); }

void FlatEdit::paint_frame()
{
    // The strip between the window's edge and its client area is white,
    // apart from the black line along the bottom.
    RECT window_bounds;
    GetWindowRect(handle(), &window_bounds);
    RECT bounds = window_bounds;
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    RECT client;
    GetClientRect(handle(), &client);
    POINT origin{0, 0};
    MapWindowPoints(handle(), nullptr, &origin, 1);
    OffsetRect(&client, origin.x - window_bounds.left, origin.y - window_bounds.top);
    HDC dc = GetWindowDC(handle());
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    FillRect(dc, &bounds, page_brush());
    const RECT line{0, bounds.bottom - 1, bounds.right, bounds.bottom};
    FillRect(dc, &line, solid_brush(kLineColour));
    ReleaseDC(handle(), dc);
}

LRESULT FlatEdit::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        auto& client = *reinterpret_cast<RECT*>(lparam);
        client.top += text_inset_;
        client.bottom -= 1 + text_inset_;
        client.left += 1;
        client.right -= 2;
        if (client.bottom < client.top) client.bottom = client.top;
        return 0;
    }
    case WM_NCPAINT:
        paint_frame();
        return 0;
    case WM_SETFOCUS:
        // Numbers only: the input method is closed while the edit has the
        // focus, and left as the user had it when the focus moves on.
        if (HIMC context = ImmGetContext(handle())) {
            input_method_was_open_ = ImmGetOpenStatus(context) != FALSE;
            ImmSetOpenStatus(context, FALSE);
            ImmReleaseContext(handle(), context);
        }
        break;
    case WM_KILLFOCUS:
        if (HIMC context = ImmGetContext(handle())) {
            if (input_method_was_open_) ImmSetOpenStatus(context, TRUE);
            ImmReleaseContext(handle(), context);
        }
        input_method_was_open_ = false;
        break;
    default:
        break;
    }
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
