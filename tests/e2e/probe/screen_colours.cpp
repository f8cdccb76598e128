#include "tests/e2e/probe/screen_colours.h"

#include <vector>

namespace e2e_probe {

bool colours_in(const RECT& area, Colours& colours)
{
    colours = {};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool read = false;
    if (bitmap && bits) {
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        read = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (read) {
        const auto* pixel = static_cast<const unsigned char*>(bits);
        int white = 0, red = 0, blue = 0, yellow = 0, other = 0;
        for (int i = 0; i < width * height; ++i, pixel += 4) {
            const int b = pixel[0], g = pixel[1], r = pixel[2];
            if (r >= 235 && g >= 235 && b >= 235) ++white;
            else if (r > g + 60 && r > b + 60) ++red;
            else if (b > r + 50 && b > g - 10) ++blue;
            else if (r > 150 && g > 120 && b < g - 60) ++yellow;
            else ++other;
        }
        const double total = width * height;
        colours = {width * height, white / total, red / total, blue / total, yellow / total, other / total};
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read;
}

const char* icon_kind(const Colours& colours)
{
    if (colours.pixels == 0) return "none";
    if (colours.red > 0.15 && colours.red > colours.blue) return "error";
    if (colours.blue > 0.15 && colours.blue > colours.red) return "information";
    if (colours.yellow > 0.15) return "warning";
    return "none";
}

}  // namespace e2e_probe
