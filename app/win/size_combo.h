// A size combo: an editable drop-down of the sixteen Chinese font sizes. The
// user picks an entry or types any text; the size value comes from the text
// alone.
#pragma once

#include <string>

#include "app/win/flat_combo.h"

namespace app::win {

class SizeComboBox : public FlatCombo {
public:
    void create_size_combo(HWND parent, const RECT& bounds, int id, HFONT font, int entry_height,
                           int initial_index);

    // The text of the edit field, unchanged.
    std::string text() const;
    // Shows the text as given, whether or not it names an entry.
    void set_text(const std::string& text);
    // The point size behind an entry's name, or else the text itself.
    std::string value() const;
};

}  // namespace app::win
