#include "pattern_window.h"

#include <vector>

#include "support/test_support.h"

namespace {

LRESULT CALLBACK patternProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        const int width = client.right, height = client.bottom;
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * width + x] = PatternWindow::patternColour(x, y);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

uint32_t PatternWindow::patternColour(int x, int y) {
    const uint32_t red = x & 0xFF, green = y & 0xFF, blue = 40 + 50 * ((x >> 8) & 1) + 100 * ((y >> 8) & 1);
    return (red << 16) | (green << 8) | blue;
}

PatternWindow::PatternWindow(int x, int y, int width, int height) : x_(x), y_(y), width_(width), height_(height) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = patternProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RegionCapturePattern";
    RegisterClassA(&windowClass);
    hwnd_ = CreateWindowExA(0, "RegionCapturePattern", "pattern", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(hwnd_);
    pumpMessages();
}

PatternWindow::~PatternWindow() { DestroyWindow(hwnd_); }

RECT PatternWindow::screenRect() const {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    return rect;
}

uint32_t PatternWindow::colourAt(int screenX, int screenY) const { return patternColour(screenX - x_, screenY - y_); }

bool PatternWindow::waitUntilShown() const {
    const HDC screen = GetDC(nullptr);
    // Three corners and the middle, read from the screen itself.
    const POINT probes[] = {{x_, y_}, {x_ + width_ - 1, y_}, {x_, y_ + height_ - 1}, {x_ + width_ / 2, y_ + height_ / 2}};
    const bool shown = waitUntil([&] {
        pumpMessages();
        for (const POINT& p : probes) {
            const COLORREF c = GetPixel(screen, p.x, p.y);
            const uint32_t rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            if (rgb != colourAt(p.x, p.y)) return false;
        }
        return true;
    });
    ReleaseDC(nullptr, screen);
    return shown;
}
