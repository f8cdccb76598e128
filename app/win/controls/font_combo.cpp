#include "app/win/controls/font_combo.h"

#include <algorithm>
#include <vector>

#include "app/win/controls/colours.h"
#include "app/win/controls/font_families.h"
#include "app/win/controls/font_kind_symbol.h"
#include "app/win/controls/message_reflection.h"
#include "platform/win/text.h"
#include "platform/win/unique_handle.h"

namespace app::win {

namespace {
constexpr int kVisibleEntries = 14;
constexpr int kSymbolGap = 3;
}  // namespace

void FontComboBox::create_font_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height)
{
    parent_ = parent;
    bounds_ = bounds;
    id_ = id;
    font_ = font;
    entry_height_ = entry_height;
    create_window();
}

void FontComboBox::create_window()
{
    create_combo(parent_, bounds_, id_, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, font_, entry_height_,
                 kVisibleEntries);
    fill_list();
}

void FontComboBox::recreate()
{
    const std::string previous = font_name();
    // The new window takes the old one's place in the tab order.
    const HWND before = handle() ? GetWindow(handle(), GW_HWNDPREV) : nullptr;
    if (handle()) DestroyWindow(handle());
    create_window();
    SetWindowPos(handle(), before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!previous.empty()) show_font_name(previous);
}

void FontComboBox::fill_list()
{
    SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
    recent_.forget();
    const auto families = screen_font_families();
    for (const auto& family : families) {
        const auto index = SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(family.name.c_str()));
        // Kept for the symbol beside the name.
        if (index >= 0) {
            SendMessageW(handle(), CB_SETITEMDATA, static_cast<WPARAM>(index),
                         static_cast<LPARAM>(font_kind(family.font_type, family.pitch_and_family)));
        }
    }
    fit_list_width(families);
}

void FontComboBox::fit_list_width(const std::vector<FontFamily>& families)
{
    // The closed combo is narrower than most family names: the open list
    // grows to show them whole, up to a third of the screen.
    int widest = 0;
    {
        platform::win::window_dc dc{handle()};
        platform::win::selected_object font_in_use{dc.get(), font_};
        for (const auto& family : families) {
            SIZE extent{};
            GetTextExtentPoint32W(dc.get(), family.name.c_str(), static_cast<int>(family.name.size()), &extent);
            widest = std::max(widest, static_cast<int>(extent.cx));
        }
    }
    RECT bounds;
    GetWindowRect(handle(), &bounds);
    const int needed = 1 + entry_height_ + kSymbolGap + widest + 6 + GetSystemMetrics(SM_CXVSCROLL);
    const int width = std::clamp(needed, static_cast<int>(bounds.right - bounds.left), GetSystemMetrics(SM_CXSCREEN) / 3);
    SendMessageW(handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

std::string FontComboBox::font_name() const
{
    const int index = selected_index();
    return index < 0 ? std::string{} : to_utf8(entry_text(index));
}

void FontComboBox::set_font_name(const std::string& name)
{
    const std::wstring wanted = to_utf16(name);
    const int count = entry_count();
    for (int index = 0; index < count; ++index) {
        if (same_text_ignoring_case(entry_text(index), wanted)) {
            select(index);
            return;
        }
    }
    select(-1);
}

void FontComboBox::show_font_name(const std::string& name)
{
    set_font_name(name);
    if (selected_index() >= 0 || name.empty()) return;
    const auto index = SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_utf16(name).c_str()));
    if (index >= 0) select(static_cast<int>(index));
}

std::wstring FontComboBox::field_text() const
{
    const int index = selected_index();
    return index < 0 ? std::wstring{} : entry_text(index);
}

std::string FontComboBox::font_at(int index) const { return to_utf8(entry_text(index)); }

void FontComboBox::copy_to_top(int from)
{
    const std::wstring text = entry_text(from);
    const LRESULT kind = SendMessageW(handle(), CB_GETITEMDATA, static_cast<WPARAM>(from), 0);
    SendMessageW(handle(), CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(handle(), CB_SETITEMDATA, 0, kind);
}

void FontComboBox::move_to_top(int from)
{
    copy_to_top(from);
    SendMessageW(handle(), CB_DELETESTRING, static_cast<WPARAM>(from + 1), 0);
}

void FontComboBox::list_closed()
{
    const int selected = selected_index();
    if (app::choose_font(recent_, *this, selected) == selected) return;
    select(0);
    InvalidateRect(handle(), nullptr, FALSE);
}

void FontComboBox::draw_entry(const DRAWITEMSTRUCT& item)
{
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, highlighted ? GetSysColorBrush(COLOR_HIGHLIGHT) : page_brush());
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int index = static_cast<int>(item.itemID);
    const std::wstring text = entry_text(index);

    const int height = item.rcItem.bottom - item.rcItem.top;
    RECT symbol{item.rcItem.left + 1, item.rcItem.top, item.rcItem.left + 1 + height, item.rcItem.bottom};
    const auto kind = static_cast<FontKind>(SendMessageW(handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    draw_font_kind_symbol(item.hDC, symbol, kind, highlighted);

    platform::win::selected_object font_in_use{item.hDC, font_};
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kTextColour);
    RECT text_area = item.rcItem;
    text_area.left = symbol.right + kSymbolGap;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &text_area,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

LRESULT FontComboBox::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == reflected(WM_DRAWITEM)) {
        draw_entry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    }
    if (message == reflected(WM_COMMAND)) {
        if (HIWORD(wparam) == CBN_CLOSEUP) list_closed();
        return 0;
    }
    return FlatCombo::on_message(message, wparam, lparam);
}

}  // namespace app::win
