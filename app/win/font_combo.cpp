#include "app/win/font_combo.h"

#include "app/win/colours.h"
#include "app/win/font_families.h"
#include "app/win/message_reflection.h"
#include "app/win/unique_handle.h"
#include "app/win/wide_text.h"

namespace app::win {

namespace {
constexpr int kVisibleEntries = 14;
}

void FontComboBox::create_font_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height)
{
    font_ = font;
    create_combo(parent, bounds, id, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, font, entry_height,
                 kVisibleEntries);
    fill_list();
}

void FontComboBox::fill_list()
{
    SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
    for (const auto& family : screen_font_families()) {
        const auto index = SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(family.name.c_str()));
        // Kept for showing the kind of font beside its name.
        if (index >= 0) SendMessageW(handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), family.font_type);
    }
}

std::string FontComboBox::font_name() const
{
    const int index = selected_index();
    return index < 0 ? std::string{} : narrow(entry_text(index));
}

void FontComboBox::set_font_name(const std::string& name)
{
    const std::wstring wanted = widen(name);
    const int count = entry_count();
    for (int index = 0; index < count; ++index) {
        if (same_text_ignoring_case(entry_text(index), wanted)) {
            select(index);
            return;
        }
    }
    select(-1);
}

std::wstring FontComboBox::field_text() const
{
    const int index = selected_index();
    return index < 0 ? std::wstring{} : entry_text(index);
}

void FontComboBox::draw_entry(const DRAWITEMSTRUCT& item)
{
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, highlighted ? GetSysColorBrush(COLOR_HIGHLIGHT) : page_brush());
    if (item.itemID == static_cast<UINT>(-1)) return;
    const std::wstring text = entry_text(static_cast<int>(item.itemID));
    selected_object font_in_use{item.hDC, font_};
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kTextColour);
    RECT text_area = item.rcItem;
    text_area.left += 2;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &text_area,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

LRESULT FontComboBox::on_message(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == reflected(WM_DRAWITEM)) {
        draw_entry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    }
    return FlatCombo::on_message(message, wparam, lparam);
}

}  // namespace app::win
