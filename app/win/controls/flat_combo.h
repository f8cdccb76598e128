// What the size combos and the font combos share: the flat look (white
// field, a small arrow, a black line along the bottom edge), the height of
// the closed field, and how many entries the open list shows.
#pragma once

#include <string>

#include "app/win/controls/window.h"

namespace app::win {

class FlatCombo : public SubclassedControl {
public:
    ~FlatCombo() override;

    // Bounds give the closed combo; `visible_entries` sizes the open list.
    void create_combo(HWND parent, const RECT& bounds, int id, DWORD kind_style, HFONT font, int entry_height,
                      int visible_entries);

    int selected_index() const;
    void select(int index);
    int entry_count() const;
    std::wstring entry_text(int index) const;

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    // The text of the field, where the combo has no edit of its own.
    virtual std::wstring field_text() const { return {}; }
    // The combo's open list and, for a drop-down combo, its edit; null
    // handles when the system does not say.
    COMBOBOXINFO parts() const;

private:
    void set_field_height(int height);
    void paint(HDC dc);
    // The open list holds exactly `visible_entries_` whole entries (fewer
    // when the list has fewer), whatever the system makes of the height.
    void fit_list(WINDOWPOS& position) const;
    LRESULT on_list_message(UINT message, WPARAM wparam, LPARAM lparam);
    HFONT font_ = nullptr;
    int visible_entries_ = 0;
    HWND list_ = nullptr;
    static constexpr auto list_thunk = subclass_thunk<FlatCombo, &FlatCombo::list_, &FlatCombo::on_list_message>;
};

}  // namespace app::win
