#pragma once
#include <windows.h>

#include "image_format.h"
#include "picture.h"
#include "win32_handles.h"

// Encoded image bytes in movable global memory, ready for the clipboard or a file.
struct EncodedImage {
    GlobalMemory memory;
    DWORD size = 0;
};

// A packed DIB (BITMAPINFOHEADER and 24-bit bottom-up rows) of the box, as
// CF_DIB carries it; the pixels come out exactly as captured.
bool encodeDib(const Picture& picture, const Box& box, EncodedImage& image);
// A BMP file: the same DIB behind a BITMAPFILEHEADER.
bool encodeBmpFile(const Picture& picture, const Box& box, EncodedImage& image);
// PNG or JPEG through the GDI+ flat API, which is loaded only when needed.
bool encodeWithGdiplus(const Picture& picture, const Box& box, ImageFormat format, EncodedImage& image);

// Encodes the box in the format of the path's extension (PNG when it has
// none we know) and writes the file. Returns 0 or the Win32 error.
DWORD saveImage(const Picture& picture, const Box& box, const char* path);
