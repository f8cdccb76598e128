#include "app/win/controls/font_kind_symbol.h"

#include <algorithm>

#include "app/win/controls/colours.h"

namespace app::win {

namespace {

constexpr COLORREF kBackLetterColour = RGB(128, 128, 128);
constexpr COLORREF kFrontLetterColour = RGB(0, 0, 0);
constexpr COLORREF kTrueTypeColour = RGB(0, 64, 160);
constexpr COLORREF kRulerColour = RGB(0, 120, 60);

// Draws in a 16 by 16 grid scaled to the area, so that the symbols keep
// their shape at every resolution.
class SymbolCanvas {
public:
    SymbolCanvas(HDC dc, const RECT& area) : dc_(dc)
    {
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        side_ = std::max(8, std::min(width, height));
        left_ = area.left + (width - side_) / 2;
        top_ = area.top + (height - side_) / 2;
    }

    // Fills the grid cells [x0, x1) × [y0, y1).
    void fill(int x0, int y0, int x1, int y1, COLORREF colour) const
    {
        RECT cells{at_x(x0), at_y(y0), std::max(at_x(x1), at_x(x0) + 1), std::max(at_y(y1), at_y(y0) + 1)};
        FillRect(dc_, &cells, solid_brush(colour));
    }

    void frame(int x0, int y0, int x1, int y1, COLORREF colour) const
    {
        fill(x0, y0, x1, y0 + 1, colour);
        fill(x0, y1 - 1, x1, y1, colour);
        fill(x0, y0, x0 + 1, y1, colour);
        fill(x1 - 1, y0, x1, y1, colour);
    }

    // A "T" with its bar's top-left corner at (x, y), `height` cells high.
    void letter_t(int x, int y, int height, COLORREF colour) const
    {
        fill(x, y, x + 8, y + 2, colour);
        fill(x + 3, y, x + 5, y + height, colour);
    }

private:
    int at_x(int cell) const { return left_ + cell * side_ / 16; }
    int at_y(int cell) const { return top_ + cell * side_ / 16; }

    HDC dc_;
    int left_ = 0;
    int top_ = 0;
    int side_ = 16;
};

}  // namespace

FontKind font_kind(DWORD font_type, BYTE pitch_and_family)
{
    const bool truetype = (font_type & TRUETYPE_FONTTYPE) != 0;
    const bool fixed = (pitch_and_family & 0x03) == FIXED_PITCH;
    if (truetype) return fixed ? FontKind::fixed_pitch_truetype : FontKind::truetype;
    return fixed ? FontKind::fixed_pitch : FontKind::other;
}

void draw_font_kind_symbol(HDC dc, const RECT& area, FontKind kind, bool highlighted)
{
    const SymbolCanvas canvas{dc, area};
    const COLORREF plain = GetSysColor(COLOR_HIGHLIGHTTEXT);
    auto colour = [&](COLORREF own) { return highlighted ? plain : own; };
    switch (kind) {
    case FontKind::truetype:
        // Two overlapping T's, as Windows marks its TrueType fonts.
        canvas.letter_t(1, 2, 9, colour(kBackLetterColour));
        canvas.letter_t(6, 5, 9, colour(kTrueTypeColour));
        break;
    case FontKind::fixed_pitch_truetype:
        // The same T's, shorter, over a ruler of equal cells.
        canvas.letter_t(1, 1, 7, colour(kBackLetterColour));
        canvas.letter_t(6, 3, 7, colour(kTrueTypeColour));
        canvas.fill(1, 14, 15, 15, colour(kRulerColour));
        for (int x = 1; x <= 14; x += 4) canvas.fill(x, 12, x + 1, 14, colour(kRulerColour));
        canvas.fill(14, 12, 15, 14, colour(kRulerColour));
        break;
    case FontKind::fixed_pitch:
        // A row of three equal character cells.
        canvas.frame(1, 4, 15, 12, colour(kFrontLetterColour));
        canvas.fill(5, 4, 6, 12, colour(kFrontLetterColour));
        canvas.fill(10, 4, 11, 12, colour(kFrontLetterColour));
        break;
    case FontKind::other:
        // A plain character cell.
        canvas.frame(4, 3, 12, 13, colour(kBackLetterColour));
        canvas.fill(6, 9, 10, 11, colour(kFrontLetterColour));
        break;
    }
}

}  // namespace app::win
