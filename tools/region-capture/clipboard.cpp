#include "clipboard.h"

#include "image_encoding.h"

namespace {

constexpr DWORD OPEN_PATIENCE_MS = 1000;
constexpr DWORD OPEN_RETRY_MS = 25;

bool openClipboardPatiently(HWND owner) {
    const DWORD start = GetTickCount();
    while (!OpenClipboard(owner)) {
        if (GetTickCount() - start >= OPEN_PATIENCE_MS) return false;
        Sleep(OPEN_RETRY_MS);
    }
    return true;
}

}  // namespace

CopyResult copyToClipboard(HWND owner, const Picture& picture, const Box& box) {
    // Encode first, so the clipboard is held only for a moment.
    EncodedImage dib, png;
    if (!encodeDib(picture, box, dib)) return CopyResult::Failed;
    const bool havePng = encodeWithGdiplus(picture, box, ImageFormat::Png, png);
    if (!openClipboardPatiently(owner)) return CopyResult::Busy;
    EmptyClipboard();
    // The clipboard owns the memory once SetClipboardData succeeds.
    bool copied = SetClipboardData(CF_DIB, dib.memory.get()) != nullptr;
    if (copied) dib.memory.release();
    const UINT pngFormat = RegisterClipboardFormatA("PNG");
    if (havePng && pngFormat && SetClipboardData(pngFormat, png.memory.get())) png.memory.release();
    CloseClipboard();
    return copied ? CopyResult::Copied : CopyResult::Failed;
}
