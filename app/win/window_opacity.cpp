#include "app/win/window_opacity.h"

namespace app::win {

WindowOpacity::WindowOpacity()
{
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        set_attributes_ = reinterpret_cast<SetLayeredWindowAttributesFunction>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    }
}

void WindowOpacity::start(HWND window, BYTE alpha)
{
    alpha_ = alpha;
    if (set_attributes_) set_attributes_(window, 0, alpha, LWA_ALPHA);
}

void WindowOpacity::set_alpha(HWND window, BYTE alpha)
{
    if (alpha == alpha_) return;
    alpha_ = alpha;
    if (set_attributes_) set_attributes_(window, 0, alpha, LWA_ALPHA);
}

}  // namespace app::win
