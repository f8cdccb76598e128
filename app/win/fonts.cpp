#include "app/win/fonts.h"

#include <cwchar>

#include "platform/win/text.h"
#include "platform/win/win32_failure.h"

namespace app::win {

platform::win::unique_hfont make_dialog_font(const Scaling& scaling, int pixel_height, bool bold)
{
    LOGFONTW description{};
    // Negative: the character height, without the internal leading.
    description.lfHeight = -scaling(pixel_height);
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(description.lfFaceName, kDialogFontFace, LF_FACESIZE - 1);
    platform::win::unique_hfont font{CreateFontIndirectW(&description)};
    if (!font) {
        platform::win::throw_last_error("Cannot create font \"" + platform::win::to_utf8(kDialogFontFace) + "\"");
    }
    return font;
}

DialogFonts::DialogFonts(const Scaling& scaling)
    : window(make_dialog_font(scaling, 16, false)),
      regular(make_dialog_font(scaling, 12, false)),
      bold(make_dialog_font(scaling, 12, true)),
      credits(make_dialog_font(scaling, 13, true))
{
}

}  // namespace app::win
