// The transparency slider: a flat horizontal trackbar from 100 to 255 that
// reports every change of position, step by step while the thumb is dragged.
#pragma once

#include <functional>

#include <windows.h>

#include <commctrl.h>

#include "app/win/window.h"

namespace app::win {

class TransparencySlider : public SubclassedControl {
public:
    static constexpr int kMinimum = 100;
    static constexpr int kMaximum = 255;

    void create_slider(HWND parent, const RECT& bounds, int id, std::function<void(int)> on_change);

    int position() const;
    void set_position(int position);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    LRESULT custom_draw(NMCUSTOMDRAW& draw);
    std::function<void(int)> on_change_;
    int reported_position_ = kMaximum;
};

}  // namespace app::win
