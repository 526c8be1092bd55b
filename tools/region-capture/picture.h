#pragma once
#include <windows.h>

#include "geometry.h"
#include "win32_handles.h"

// A 32-bit top-down DIB section selected into its own memory DC, so that
// both GDI and plain loops can work on its pixels.
class Picture {
public:
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    // False when the bitmap could not be made (not enough memory).
    bool create(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    HDC dc() const { return dc_.get(); }
    // Pixels as 0x00RRGGBB, row after row from the top.
    unsigned* row(int y) const { return pixels_ + static_cast<size_t>(y) * width_; }
    unsigned pixel(Point p) const { return Box{0, 0, width_, height_}.contains(p) ? row(p.y)[p.x] & 0xFFFFFF : 0; }

private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ original_ = nullptr;
    unsigned* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Copies the screen's box (in virtual-screen coordinates) into the picture.
bool grabScreen(Picture& picture, const Box& screenBox);
