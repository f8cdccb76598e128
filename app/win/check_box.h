// A flat check box with two states.
#pragma once

#include "app/win/owner_drawn_button.h"

namespace app::win {

class FlatCheckBox : public OwnerDrawnButton {
public:
    void create_check_box(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font, bool checked);

    bool checked() const { return checked_; }
    void set_checked(bool checked);

protected:
    void draw(const DRAWITEMSTRUCT& item) override;
    void clicked() override { set_checked(!checked_); }

private:
    bool checked_ = false;
};

}  // namespace app::win
