// The font families the screen offers, as the font combos list them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace app::win {

struct FontFamily {
    std::wstring name;
    DWORD font_type;  // RASTER_FONTTYPE, TRUETYPE_FONTTYPE, ... as enumerated
    BYTE pitch_and_family;
};

// Every family of the screen's device context, TrueType or not, symbol fonts
// included, in the user's collating order ignoring letter case.
std::vector<FontFamily> screen_font_families();

// Equal in the user's locale, ignoring letter case.
bool same_text_ignoring_case(const std::wstring& a, const std::wstring& b);

}  // namespace app::win
