#include "test_images.h"

#include <gdiplus.h>

#include "support/test_support.h"

#include <cstring>

TestImage imageFromDib(const void* data, size_t size) {
    TestImage image;
    if (size < sizeof(BITMAPINFOHEADER)) return image;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    const int bits = header.biBitCount;
    if ((bits != 24 && bits != 32) || (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS))
        return image;
    size_t offset = header.biSize + (header.biCompression == BI_BITFIELDS && header.biSize == 40 ? 12 : 0);
    const bool bottomUp = header.biHeight > 0;
    const int width = header.biWidth, height = bottomUp ? header.biHeight : -header.biHeight;
    const size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) & ~size_t(3);
    if (offset + stride * height > size) return image;
    const auto* rows = static_cast<const uint8_t*>(data) + offset;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = rows + stride * (bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = row + x * (bits / 8);
            image.pixels[static_cast<size_t>(y) * width + x] = (p[2] << 16) | (p[1] << 8) | p[0];
        }
    }
    return image;
}

ClipboardWindow::ClipboardWindow()
    : hwnd_(CreateWindowExA(0, "STATIC", "clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}

ClipboardWindow::~ClipboardWindow() { DestroyWindow(hwnd_); }

namespace {

// Opens the clipboard, waiting while another program holds it.
bool openClipboard(HWND owner) {
    return waitUntil([&] { return OpenClipboard(owner) != 0; }, 5000);
}

}  // namespace

TestImage clipboardDib() {
    ClipboardWindow owner;
    TestImage image;
    if (!openClipboard(owner.hwnd())) return image;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        if (const void* bytes = GlobalLock(data)) {
            image = imageFromDib(bytes, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return image;
}

bool clipboardHasFormat(const char* registeredName) {
    return IsClipboardFormatAvailable(RegisterClipboardFormatA(registeredName)) != 0;
}

std::string clipboardText() {
    ClipboardWindow owner;
    std::string text;
    if (!openClipboard(owner.hwnd())) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool setClipboardText(const std::string& text) {
    ClipboardWindow owner;
    if (!openClipboard(owner.hwnd())) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!set) GlobalFree(memory);
    CloseClipboard();
    return set;
}

TestImage imageFromBmpFile(const std::string& path) {
    const std::string bytes = readWholeFile(path);
    if (bytes.size() < sizeof(BITMAPFILEHEADER) || bytes[0] != 'B' || bytes[1] != 'M') return TestImage();
    return imageFromDib(bytes.data() + sizeof(BITMAPFILEHEADER), bytes.size() - sizeof(BITMAPFILEHEADER));
}

TestImage imageFromFile(const std::string& path) {
    TestImage image;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return image;
    {
        std::wstring wide(path.size() + 1, L'\0');
        wide.resize(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size())) - 1);
        Gdiplus::Bitmap bitmap(wide.c_str());
        if (bitmap.GetLastStatus() == Gdiplus::Ok && bitmap.GetWidth() > 0) {
            image.width = static_cast<int>(bitmap.GetWidth());
            image.height = static_cast<int>(bitmap.GetHeight());
            image.pixels.resize(static_cast<size_t>(image.width) * image.height);
            Gdiplus::Rect all(0, 0, image.width, image.height);
            Gdiplus::BitmapData data;
            if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) == Gdiplus::Ok) {
                for (int y = 0; y < image.height; ++y) {
                    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(data.Scan0) +
                                                                          static_cast<ptrdiff_t>(y) * data.Stride);
                    for (int x = 0; x < image.width; ++x)
                        image.pixels[static_cast<size_t>(y) * image.width + x] = row[x] & 0xFFFFFF;
                }
                bitmap.UnlockBits(&data);
            } else {
                image = TestImage();
            }
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return image;
}
