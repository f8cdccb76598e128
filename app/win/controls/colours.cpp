#include "app/win/controls/colours.h"

#include <mutex>
#include <utility>
#include <vector>

namespace app::win {

HBRUSH solid_brush(COLORREF colour)
{
    static std::mutex guard;
    static std::vector<std::pair<COLORREF, HBRUSH>> made;
    const std::lock_guard lock{guard};
    for (const auto& [made_colour, brush] : made) {
        if (made_colour == colour) return brush;
    }
    const HBRUSH brush = CreateSolidBrush(colour);
    if (brush) made.emplace_back(colour, brush);
    return brush;
}

HBRUSH page_brush() { return solid_brush(kPageColour); }

}  // namespace app::win
