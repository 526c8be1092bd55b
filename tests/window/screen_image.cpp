#include "screen_image.h"

#include <cstdio>

#include "support/test_support.h"

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    Image image() const {
        GdiFlush();
        Image result;
        result.width = width_;
        result.height = height_;
        result.pixels.resize(static_cast<size_t>(width_) * height_);
        for (size_t i = 0; i < result.pixels.size(); ++i) {
            const DWORD bgra = bits_[i];
            result.pixels[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
        }
        return result;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
};

HMODULE zelvikModule() {
    static HMODULE module = LoadLibraryExA(zelvikPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

}  // namespace

Image captureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.image();
}

Image captureSettledWindow(HWND window, DWORD deadlineMs) {
    Image previous;
    Image current;
    const bool settled = waitUntil([&] {
        RECT area;
        GetWindowRect(window, &area);
        previous = std::move(current);
        current = captureScreen(area);
        if (previous.pixels != current.pixels) {
            Sleep(100);
            return false;
        }
        return true;
    }, deadlineMs);
    return settled ? current : Image();
}

Image uniformImage(int width, int height, COLORREF colour) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, colour);
    return image;
}

Image crop(const Image& image, const RECT& area) {
    Image part;
    part.width = area.right - area.left;
    part.height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) part.pixels.push_back(image.at(x, y));
    return part;
}

Image renderText(const char* text, const char* face, int height, COLORREF colour, const Image& background,
                 UINT format) {
    const int width = background.width;
    const int pictureHeight = background.height;
    Canvas canvas(width, pictureHeight);
    for (int y = 0; y < pictureHeight; ++y)
        for (int x = 0; x < width; ++x) SetPixel(canvas.dc(), x, y, background.at(x, y));
    LOGFONTA logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = PROOF_QUALITY;
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&logFont);
    HGDIOBJ previous = SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), colour);
    RECT client = {0, 0, width, pictureHeight};
    DrawTextA(canvas.dc(), text, -1, &client, format);
    SelectObject(canvas.dc(), previous);
    DeleteObject(font);
    return canvas.image();
}

Image zelvikBitmap(WORD bitmapId) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(zelvikModule(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (bitmap == nullptr) return Image();
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    Canvas canvas(info.bmWidth, info.bmHeight);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(canvas.dc(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(bitmap);
    return canvas.image();
}

Image zelvikIconOver(const COLORREF (&background)[16]) {
    const HMODULE module = zelvikModule();
    const HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (group == nullptr) return Image();
    const int imageId = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(LockResource(LoadResource(module, group))),
                                                    TRUE, 16, 16, LR_DEFAULTCOLOR);
    const HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));  // RT_ICON
    if (image == nullptr) return Image();
    HICON icon = CreateIconFromResourceEx(static_cast<PBYTE>(LockResource(LoadResource(module, image))),
                                          SizeofResource(module, image), TRUE, 0x00030000, 16, 16,
                                          LR_DEFAULTCOLOR);
    if (icon == nullptr) return Image();
    Canvas canvas(16, 16);
    for (int y = 0; y < 16; ++y) {
        HBRUSH brush = CreateSolidBrush(background[y]);
        RECT row = {0, y, 16, y + 1};
        FillRect(canvas.dc(), &row, brush);
        DeleteObject(brush);
    }
    DrawIconEx(canvas.dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    return canvas.image();
}

std::string describeColour(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::string describeRect(const RECT& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}
