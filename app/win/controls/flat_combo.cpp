#include "app/win/controls/flat_combo.h"

#include <commctrl.h>

#include "app/win/controls/colours.h"
#include "app/win/controls/self_painting.h"
#include "platform/win/unique_handle.h"

namespace app::win {

FlatCombo::~FlatCombo()
{
    if (list_) RemoveWindowSubclass(list_, list_thunk, kSubclassId);
}

void FlatCombo::create_combo(HWND parent, const RECT& bounds, int id, DWORD kind_style, HFONT font, int entry_height,
                             int visible_entries)
{
    font_ = font;
    visible_entries_ = visible_entries;
    const int field_height = bounds.bottom - bounds.top;
    // A combo's window height is that of the open list; the closed field
    // takes its height from the item height set below.
    RECT dropped = bounds;
    dropped.bottom = bounds.top + field_height + visible_entries * entry_height + 2;
    create(0, L"COMBOBOX", L"",
           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPCHILDREN | CBS_NOINTEGRALHEIGHT | kind_style,
           dropped, parent, id);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(handle(), CB_SETITEMHEIGHT, 0, entry_height);
    SendMessageW(handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(visible_entries), 0);
    set_field_height(field_height);

    list_ = parts().hwndList;
    if (list_) SetWindowSubclass(list_, list_thunk, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

COMBOBOXINFO FlatCombo::parts() const
{
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    if (!GetComboBoxInfo(handle(), &parts)) return COMBOBOXINFO{};
    return parts;
}

void FlatCombo::fit_list(WINDOWPOS& position) const
{
    const int entries = entry_count();
    const int rows = entries < 1 ? 1 : (entries < visible_entries_ ? entries : visible_entries_);
    const auto entry_height = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    if (entry_height <= 0) return;
    RECT outside;
    RECT inside;
    GetWindowRect(list_, &outside);
    GetClientRect(list_, &inside);
    const int frame = (outside.bottom - outside.top) - (inside.bottom - inside.top);
    const int height = rows * entry_height + frame;
    // A list that opens upwards (no room below) keeps its bottom edge at the
    // field.
    RECT field;
    GetWindowRect(handle(), &field);
    if (!(position.flags & SWP_NOMOVE) && position.y < field.top) position.y += position.cy - height;
    position.cy = height;
}

LRESULT FlatCombo::on_list_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_WINDOWPOSCHANGING) {
        auto& position = *reinterpret_cast<WINDOWPOS*>(lparam);
        if (!(position.flags & SWP_NOSIZE)) fit_list(position);
    }
    return DefSubclassProc(list_, message, wparam, lparam);
}

void FlatCombo::set_field_height(int height)
{
    // The frame around the field, and what the combo adds to the height it
    // is given, differ between systems: measure and correct.
    auto requested = static_cast<int>(SendMessageW(handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT bounds;
        GetWindowRect(handle(), &bounds);
        const int difference = height - (bounds.bottom - bounds.top);
        if (difference == 0) return;
        requested += difference;
        if (requested < 1) return;
        SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), requested);
    }
}

int FlatCombo::selected_index() const { return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)); }

void FlatCombo::select(int index) { SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int FlatCombo::entry_count() const { return static_cast<int>(SendMessageW(handle(), CB_GETCOUNT, 0, 0)); }

std::wstring FlatCombo::entry_text(int index) const
{
    const auto length = SendMessageW(handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void FlatCombo::paint(HDC dc)
{
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(dc, &client, page_brush());

    const int height = client.bottom - client.top;
    const int arrow_width = height * 3 / 4;
    const int arrow_centre = client.right - arrow_width / 2 - 1;
    const int arrow_half = height / 5 > 2 ? height / 5 : 2;
    const int arrow_top = (height - arrow_half) / 2;
    const COLORREF arrow_colour = IsWindowEnabled(handle()) ? kTextColour : kDisabledTextColour;
    const HBRUSH arrow_brush = solid_brush(arrow_colour);
    platform::win::unique_hpen arrow_pen{CreatePen(PS_SOLID, 1, arrow_colour)};
    {
        platform::win::selected_object brush_in_use{dc, arrow_brush};
        platform::win::selected_object pen_in_use{dc, arrow_pen.get()};
        POINT arrow[3] = {{arrow_centre - arrow_half, arrow_top},
                          {arrow_centre + arrow_half, arrow_top},
                          {arrow_centre, arrow_top + arrow_half}};
        Polygon(dc, arrow, 3);
    }

    const std::wstring text = field_text();
    if (!text.empty() || GetFocus() == handle()) {
        RECT field{client.left + 1, client.top + 1, client.right - arrow_width - 2, client.bottom - 2};
        const bool focused = GetFocus() == handle() && SendMessageW(handle(), CB_GETDROPPEDSTATE, 0, 0) == FALSE;
        FillRect(dc, &field, focused ? GetSysColorBrush(COLOR_HIGHLIGHT) : page_brush());
        platform::win::selected_object font_in_use{dc, font_};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, focused ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                 : (IsWindowEnabled(handle()) ? kTextColour : kDisabledTextColour));
        RECT text_area = field;
        text_area.left += 2;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }

    RECT line{client.left, client.bottom - 1, client.right, client.bottom};
    FillRect(dc, &line, solid_brush(kLineColour));
}

LRESULT FlatCombo::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT painted = 0;
    if (answer_paint_message(handle(), message, wparam, painted, [this](HDC dc) { paint(dc); })) return painted;
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        const LRESULT result = default_message(message, wparam, lparam);
        InvalidateRect(handle(), nullptr, FALSE);
        return result;
    }
    default:
        return default_message(message, wparam, lparam);
    }
}

}  // namespace app::win
