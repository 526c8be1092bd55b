#include "picture.h"

Picture::~Picture() {
    if (original_) SelectObject(dc_.get(), original_);
}

bool Picture::create(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_) return false;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) return false;
    original_ = SelectObject(dc_.get(), bitmap_.get());
    pixels_ = static_cast<unsigned*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

bool grabScreen(Picture& picture, const Box& screenBox) {
    if (!picture.create(screenBox.width(), screenBox.height())) return false;
    WindowDc screen(nullptr);
    // CAPTUREBLT takes layered windows too, as the user sees them.
    const bool copied = BitBlt(picture.dc(), 0, 0, screenBox.width(), screenBox.height(), screen.get(),
                               screenBox.left, screenBox.top, SRCCOPY | CAPTUREBLT) != 0;
    GdiFlush();
    return copied;
}
