// The typeset button: flat, highlighted under the mouse, greyed while a run
// has it disabled.
#pragma once

#include <functional>
#include <utility>

#include "app/win/controls/owner_drawn_button.h"

namespace app::win {

class FlatButton : public OwnerDrawnButton {
public:
    void create_push_button(HWND parent, const RECT& bounds, int id, const wchar_t* caption, HFONT font);
    void on_click(std::function<void()> handler) { on_click_ = std::move(handler); }

    void set_enabled(bool enabled) { EnableWindow(handle(), enabled ? TRUE : FALSE); }
    bool enabled() const { return IsWindowEnabled(handle()) != FALSE; }

protected:
    void draw(const DRAWITEMSTRUCT& item) override;
    void clicked() override;

private:
    std::function<void()> on_click_;
};

}  // namespace app::win
