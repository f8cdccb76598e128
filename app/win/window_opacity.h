// Constant alpha for a layered window. SetLayeredWindowAttributes is looked
// up at run time; without it the window stays opaque and nothing complains.
#pragma once

#include <windows.h>

namespace app::win {

class WindowOpacity {
public:
    WindowOpacity();

    // Whether the window may be created layered: a layered window that is
    // never given its attributes stays invisible.
    bool available() const { return set_attributes_ != nullptr; }

    // Gives the window its first alpha, right after creation.
    void start(HWND window, BYTE alpha);
    // Setting the alpha the window already has does nothing.
    void set_alpha(HWND window, BYTE alpha);
    BYTE alpha() const { return alpha_; }

private:
    using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    SetLayeredWindowAttributesFunction set_attributes_ = nullptr;
    BYTE alpha_ = 255;
};

}  // namespace app::win
