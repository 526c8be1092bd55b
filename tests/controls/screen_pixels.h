#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A block of pixels as 0xRRGGBB values, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> values;
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && values == other.values;
    }
    bool operator!=(const Pixels& other) const { return !(*this == other); }
};

// What the screen shows of a window's client area.
Pixels readWindowPixels(HWND window);
// A picture file of the sources' res folder, e.g. "close_hover.bmp".
Pixels readPictureFile(const char* fileName);
// How many pixels differ, for failure messages.
std::string difference(const Pixels& actual, const Pixels& expected);
