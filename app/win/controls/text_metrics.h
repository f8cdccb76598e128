// Where the controls draw a line of text.
#pragma once

#include <windows.h>

namespace app::win {

// The character height of the font selected into `dc`: its cell without
// the internal leading.
int character_height(HDC dc);
// Where to draw a line of text so that it is centred in the `height` pixels
// from `top`. The layout's heights are character heights; a font with a
// large internal leading loses a little at both edges rather than the
// bottom of its characters.
int text_top(HDC dc, int top, int height);

}  // namespace app::win
