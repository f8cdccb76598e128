#include "app/win/scaling.h"

#include "platform/win/unique_handle.h"

namespace app::win {

Scaling Scaling::system()
{
    platform::win::window_dc screen{nullptr};
    return Scaling{GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

RECT Scaling::rect(int left, int top, int width, int height) const
{
    const int x = (*this)(left);
    const int y = (*this)(top);
    return RECT{x, y, x + (*this)(width), y + (*this)(height)};
}

}  // namespace app::win
