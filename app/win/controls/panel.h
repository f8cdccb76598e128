// A white container for controls (the tab page, the status bar, and the base
// of the group boxes): it hands notifications back to the controls and gives
// the system controls the page's white background.
#pragma once

#include "app/win/controls/window.h"

namespace app::win {

class Panel : public Window {
public:
    // Bounds relative to the parent's client area, already scaled.
    void create_panel(HWND parent, const RECT& bounds, const wchar_t* caption, int id);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    // Draws on the white page; a panel shows nothing else.
    virtual void paint(HDC dc, const RECT& client);
    HFONT font() const { return font_; }

private:
    HFONT font_ = nullptr;
};

}  // namespace app::win
