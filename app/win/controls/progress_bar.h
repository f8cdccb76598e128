// The status bar's progress bar: a gradient fill on white, without text. The
// run sets it from inside a click handler, with no message loop turning, so
// the setter paints at once.
#pragma once

#include <cstdint>

#include "app/win/controls/window.h"

namespace app::win {

class GradientProgressBar : public Window {
public:
    void create_progress_bar(HWND parent, const RECT& bounds, int id);

    std::int16_t percent() const { return percent_; }
    // Stores and repaints before returning; an unchanged value costs nothing.
    // Neither clamped nor checked: 100 and above, and any negative value,
    // show a full bar.
    void set_percent(std::int16_t percent);

    // The filled width for a bar `width` pixels wide.
    static int filled_width(std::int16_t percent, int width);

protected:
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void paint(HDC dc);
    std::int16_t percent_ = 0;
};

}  // namespace app::win
