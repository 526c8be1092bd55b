#pragma once
#include <windows.h>

#include <cstdint>

// A borderless window that paints a pattern where every pixel within a
// 512 × 512 square has its own colour, so that a capture shows exactly
// which pixels it took.
class PatternWindow {
public:
    PatternWindow(int x, int y, int width, int height);
    ~PatternWindow();
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    RECT screenRect() const;
    // The colour (0x00RRGGBB) at a screen point inside the window.
    uint32_t colourAt(int screenX, int screenY) const;
    // Waits until the screen shows the pattern.
    bool waitUntilShown() const;

    static uint32_t patternColour(int x, int y);

private:
    HWND hwnd_;
    int x_, y_, width_, height_;
};
