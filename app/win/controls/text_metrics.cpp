#include "app/win/controls/text_metrics.h"

namespace app::win {

int character_height(HDC dc)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

int text_top(HDC dc, int top, int height)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Ideographs fill most of the cell, leading included: centre the cell.
    return top + (height - metrics.tmHeight) / 2;
}

}  // namespace app::win
