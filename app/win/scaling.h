// Layout figures are given for 96 dpi; the dialog scales them to the
// system's resolution.
#pragma once

#include <windows.h>

namespace app::win {

class Scaling {
public:
    explicit Scaling(int dpi = 96) : dpi_(dpi) {}
    // The resolution of the screen (LOGPIXELSY), fixed for the process as
    // the program is system-dpi aware.
    static Scaling system();

    int dpi() const { return dpi_; }
    int operator()(int pixels_at_96) const { return MulDiv(pixels_at_96, dpi_, 96); }
    RECT rect(int left, int top, int width, int height) const;

private:
    int dpi_;
};

}  // namespace app::win
