// What the typeset button and the check boxes share: drawn by us, flat, and
// highlighted while the mouse is over them. The typeset button is owner
// drawn; a check box stays a check box to Windows (and so to screen readers
// and other programs) and is drawn through custom draw.
#pragma once

#include <windows.h>

#include "app/win/controls/window.h"

namespace app::win {

class OwnerDrawnButton : public SubclassedControl {
public:
    bool hovered() const { return hovered_; }

protected:
    // `kind` is the button style: BS_OWNERDRAW or BS_AUTOCHECKBOX.
    void create_button(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font,
                       DWORD kind = BS_OWNERDRAW);

    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    virtual void draw(const DRAWITEMSTRUCT& item) = 0;
    virtual void clicked() = 0;
    HFONT font() const { return font_; }

private:
    HFONT font_ = nullptr;
    bool hovered_ = false;
};

}  // namespace app::win
