// A flat check box with two states: a real check box (BM_GETCHECK reads
// its tick), drawn flat.
#pragma once

#include "app/win/controls/owner_drawn_button.h"

namespace app::win {

class FlatCheckBox : public OwnerDrawnButton {
public:
    void create_check_box(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font, bool checked);

    bool checked() const;
    void set_checked(bool checked);

protected:
    void draw(const DRAWITEMSTRUCT& item) override;
    // The check box toggles itself.
    void clicked() override {}
};

}  // namespace app::win
