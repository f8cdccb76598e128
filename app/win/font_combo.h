// A font combo: a pick-only list of the screen's font families.
#pragma once

#include <string>

#include "app/win/flat_combo.h"

namespace app::win {

class FontComboBox : public FlatCombo {
public:
    void create_font_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height);

    // The selected entry's text, or "" when nothing is selected.
    std::string font_name() const;
    // Selects the first entry equal to the name ignoring letter case; with
    // none, the combo is left without a selection.
    void set_font_name(const std::string& name);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    std::wstring field_text() const override;

private:
    void fill_list();
    void draw_entry(const DRAWITEMSTRUCT& item);
    HFONT font_ = nullptr;
};

}  // namespace app::win
