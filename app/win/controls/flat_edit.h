// The dialog's edits: flat, a black line along the bottom edge only, text
// right-aligned, and the input method switched off while they have focus
// (they take numbers).
#pragma once

#include <string>

#include "app/win/controls/window.h"

namespace app::win {

class FlatEdit : public SubclassedControl {
public:
    void create_edit(HWND parent, const RECT& bounds, int id, const std::string& text, HFONT font);

    std::string text() const;
    void set_text(const std::string& text);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void paint_frame();
    int text_inset_ = 0;
    bool input_method_was_open_ = false;
};

}  // namespace app::win
