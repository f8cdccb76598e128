// The colours on screen inside a rectangle, as a person would describe them.
#pragma once

#include <windows.h>

namespace e2e_probe {

struct Colours {
    int pixels = 0;
    // Shares of the pixels, 0 to 1.
    double white = 0;  // the page's background
    double red = 0;
    double blue = 0;
    double yellow = 0;
    double other = 0;  // anything else: text, lines, gradients
};

// Reads the screen itself; false when it cannot be read.
bool colours_in(const RECT& screen_area, Colours& colours);

// "error", "information", "warning" or "none", from the icon's main colour.
const char* icon_kind(const Colours& colours);

}  // namespace e2e_probe
