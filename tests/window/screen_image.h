#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Pixels read back from the real screen (or drawn by a test for reference),
// as COLORREF values, row by row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The screen's pixels in a rectangle of screen coordinates.
Image captureScreen(const RECT& area);

// The pixels of a shown window's rectangle once its painting has settled: two
// captures in a row agree. Empty when they never agree within the deadline.
Image captureSettledWindow(HWND window, DWORD deadlineMs = 10000);

// The smallest rectangle around the pixels inside `area` that `ink` accepts;
// empty (all zero) when there are none.
template <typename Ink>
RECT inkBox(const Image& image, const RECT& area, Ink ink) {
    RECT box = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ink(image.at(x, y))) {
                if (x < box.left) box.left = x;
                if (y < box.top) box.top = y;
                if (x + 1 > box.right) box.right = x + 1;
                if (y + 1 > box.bottom) box.bottom = y + 1;
            }
    if (box.left >= box.right) return RECT{0, 0, 0, 0};
    return box;
}

// A picture of one colour.
Image uniformImage(int width, int height, COLORREF colour);
// The part of an image inside a rectangle.
Image crop(const Image& image, const RECT& area);

// A GBK text drawn as the custom-drawn labels draw theirs: a font made from the
// given face and height with the designed LOGFONT, transparent background,
// DrawText with `format` over a copy of `background`.
Image renderText(const char* text, const char* face, int height, COLORREF colour, const Image& background,
                 UINT format);

// A picture of the launcher's own resources, read from zelvik.exe.
Image zelvikBitmap(WORD bitmapId);
// The launcher's 16 x 16 program icon drawn with DrawIconEx DI_NORMAL over
// `background` rows (one colour per row, 16 rows).
Image zelvikIconOver(const COLORREF (&background)[16]);

std::string describeColour(COLORREF colour);
std::string describeRect(const RECT& rect);
