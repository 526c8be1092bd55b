#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A picture read back from the clipboard or a file, as 0x00RRGGBB pixels.
struct TestImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    bool valid() const { return width > 0 && height > 0; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A packed DIB (header, optional masks, rows), as CF_DIB and BMP files hold it.
TestImage imageFromDib(const void* data, size_t size);
// The clipboard's CF_DIB; invalid when there is none.
TestImage clipboardDib();
bool clipboardHasFormat(const char* registeredName);
// Reads a PNG, JPEG or BMP file through GDI+.
TestImage imageFromFile(const std::string& path);
// Reads a BMP file with our own DIB reader, so that no decoder can round the pixels.
TestImage imageFromBmpFile(const std::string& path);

std::string clipboardText();
bool setClipboardText(const std::string& text);

// A hidden window of the test's own, to own the clipboard while it is open.
class ClipboardWindow {
public:
    ClipboardWindow();
    ~ClipboardWindow();
    ClipboardWindow(const ClipboardWindow&) = delete;
    ClipboardWindow& operator=(const ClipboardWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};
