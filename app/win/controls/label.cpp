#include "app/win/controls/label.h"

#include <algorithm>
#include <string>

#include "app/win/controls/colours.h"
#include "app/win/controls/self_painting.h"
#include "app/win/controls/text_metrics.h"
#include "platform/win/unique_handle.h"
#include "platform/win/window_text.h"

namespace app::win {

void Label::create_label(HWND parent, const RECT& bounds, const wchar_t* caption, HFONT font)
{
    font_ = font;
    create(0, L"STATIC", caption, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, bounds, parent, -1);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Label::paint(HDC dc)
{
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(dc, &client, page_brush());
    platform::win::selected_object font_in_use{dc, font_};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    // Lines follow each other at the character height, as the layout's
    // label heights assume (12 pixels for one line of a 12-pixel font).
    const std::wstring text = window_text(handle());
    const int line_height = character_height(dc);
    int top = text_top(dc, client.top, line_height);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        TextOutW(dc, client.left, top, text.c_str() + start, static_cast<int>(end - start));
        top += line_height;
        start = end + 1;
    }
}

LRESULT Label::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    if (answer_paint_message(handle(), message, wparam, result, [this](HDC dc) { paint(dc); })) return result;
    return default_message(message, wparam, lparam);
}

}  // namespace app::win
