// The dialog's fonts: "宋体" in the few heights and weights the layout uses.
#pragma once

#include "app/win/scaling.h"
#include "platform/win/unique_handle.h"

namespace app::win {

inline constexpr const wchar_t* kDialogFontFace = L"\u5b8b\u4f53";  // 宋体

// `pixel_height` is the character height at 96 dpi.
platform::win::unique_hfont make_dialog_font(const Scaling& scaling, int pixel_height, bool bold);

struct DialogFonts {
    explicit DialogFonts(const Scaling& scaling);

    platform::win::unique_hfont window;       // 16 px regular: the window and the typeset button
    platform::win::unique_hfont regular;      // 12 px regular: labels and check boxes
    platform::win::unique_hfont bold;         // 12 px bold: edits, combos, group captions
    platform::win::unique_hfont credits;      // 13 px bold
};

}  // namespace app::win
