// A font combo: a pick-only list of the screen's font families, each entry
// drawn with a symbol of its kind and its name in the combo's own font. The
// fonts chosen last stand at the top of the list, for as long as the list
// lives.
#pragma once

#include <string>
#include <vector>

#include "app/recent_fonts.h"
#include "app/win/controls/flat_combo.h"
#include "app/win/controls/font_families.h"

namespace app::win {

class FontComboBox : public FlatCombo, private app::FontList {
public:
    void create_font_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height);

    // The selected entry's text, or "" when nothing is selected.
    std::string font_name() const;
    // Selects the first entry equal to the name ignoring letter case (a
    // recent copy before the sorted entry); with none, the combo is left
    // without a selection.
    void set_font_name(const std::string& name);
    // As set_font_name, but a font missing from the list gets an entry of
    // its own at the end: the combo names what the run will put, never
    // nothing.
    void show_font_name(const std::string& name);

    // Destroys the window and creates it again in the same place: the list
    // is filled afresh, without recent fonts, and the font selected before
    // is selected again.
    void recreate();

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    std::wstring field_text() const override;

private:
    void create_window();
    void fill_list();
    void fit_list_width(const std::vector<FontFamily>& families);
    void list_closed();
    int font_count() const override { return entry_count(); }
    std::string font_at(int index) const override;
    void move_to_top(int from) override;
    void copy_to_top(int from) override;
    void draw_entry(const DRAWITEMSTRUCT& item);

    HWND parent_ = nullptr;
    RECT bounds_{};
    int id_ = 0;
    HFONT font_ = nullptr;
    int entry_height_ = 0;
    app::RecentFonts recent_;
};

}  // namespace app::win
