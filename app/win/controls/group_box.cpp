#include "app/win/controls/group_box.h"

#include <string>

#include "app/win/controls/colours.h"
#include "platform/win/unique_handle.h"
#include "platform/win/window_text.h"

namespace app::win {

void FlatGroupBox::paint(HDC dc, const RECT& client)
{
    const std::wstring caption = window_text(handle());
    platform::win::selected_object font_in_use{dc, font()};
    SIZE caption_size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &caption_size);

    // The frame runs through the middle of the caption's line.
    RECT frame = client;
    frame.top = caption_size.cy / 2;
    FrameRect(dc, &frame, solid_brush(kLineColour));

    if (!caption.empty()) {
        const int caption_left = caption_size.cy / 2 + 2;
        RECT behind_caption{caption_left - 2, 0, caption_left + caption_size.cx + 2, caption_size.cy};
        FillRect(dc, &behind_caption, page_brush());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kTextColour);
        TextOutW(dc, caption_left, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
}

}  // namespace app::win
