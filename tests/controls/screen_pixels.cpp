#include "screen_pixels.h"

#include <string>

namespace {

// Copies from a DC into a 32-bit top-down DIB and reads it back.
Pixels copyPixels(HDC source, int x, int y, int width, int height) {
    Pixels pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr) return pixels;
    const HDC memory = CreateCompatibleDC(source);
    const HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* values = static_cast<const uint32_t*>(bits);
    pixels.width = width;
    pixels.height = height;
    for (int i = 0; i < width * height; ++i) pixels.values.push_back(values[i] & 0xFFFFFF);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return pixels;
}

}  // namespace

Pixels readWindowPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    Pixels pixels = copyPixels(screen, origin.x, origin.y, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Pixels readPictureFile(const char* fileName) {
    const std::string path = std::string(ZELVIK_RES_FOLDER) + "/" + fileName;
    const HBITMAP picture = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (picture == nullptr) return Pixels();
    BITMAP size;
    GetObjectA(picture, sizeof size, &size);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, picture);
    Pixels pixels = copyPixels(memory, 0, 0, size.bmWidth, size.bmHeight);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(picture);
    return pixels;
}

std::string difference(const Pixels& actual, const Pixels& expected) {
    if (actual.width != expected.width || actual.height != expected.height)
        return "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) + " against " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    int differing = 0;
    for (size_t i = 0; i < actual.values.size(); ++i) differing += actual.values[i] != expected.values[i];
    return std::to_string(differing) + " of " + std::to_string(actual.values.size()) + " pixels differ";
}
