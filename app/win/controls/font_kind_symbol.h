// The kind of a font as the font lists show it, and the small symbol drawn
// in front of each family's name.
#pragma once

#include <windows.h>

namespace app::win {

enum class FontKind : int {
    truetype,              // a TrueType or OpenType family of varying pitch
    fixed_pitch_truetype,  // a TrueType family whose characters are all one width
    fixed_pitch,           // a raster or device font of fixed pitch
    other,                 // a raster or device font of varying pitch
};

// From what EnumFontFamilies reports: its font type and the family's
// lfPitchAndFamily.
FontKind font_kind(DWORD font_type, BYTE pitch_and_family);

// Draws the symbol inside `area`, which is about as high as an entry and
// as wide as it is high. On a highlighted entry everything takes the
// highlight's text colour.
void draw_font_kind_symbol(HDC dc, const RECT& area, FontKind kind, bool highlighted);

}  // namespace app::win
