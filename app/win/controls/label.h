// A static text on the white page, one or more lines.
#pragma once

#include "app/win/controls/window.h"

namespace app::win {

class Label : public SubclassedControl {
public:
    void create_label(HWND parent, const RECT& bounds, const wchar_t* caption, HFONT font);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void paint(HDC dc);
    HFONT font_ = nullptr;
};

}  // namespace app::win
