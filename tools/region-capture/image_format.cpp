#include "image_format.h"

#include <windows.h>

ImageFormat formatForPath(const char* path) {
    const char* dot = nullptr;
    for (const char* c = path; *c; ++c) {
        if (*c == '.') dot = c;
        if (*c == '\\' || *c == '/') dot = nullptr;
    }
    if (!dot) return ImageFormat::Unknown;
    if (lstrcmpiA(dot, ".png") == 0) return ImageFormat::Png;
    if (lstrcmpiA(dot, ".jpg") == 0 || lstrcmpiA(dot, ".jpeg") == 0 || lstrcmpiA(dot, ".jpe") == 0)
        return ImageFormat::Jpeg;
    if (lstrcmpiA(dot, ".bmp") == 0 || lstrcmpiA(dot, ".dib") == 0) return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

const char* extensionOf(ImageFormat format) {
    switch (format) {
    case ImageFormat::Jpeg: return ".jpg";
    case ImageFormat::Bmp: return ".bmp";
    default: return ".png";
    }
}

void defaultFileName(char* name, int size, int year, int month, int day, int hour, int minute, int second) {
    char text[64];
    wsprintfA(text, "截图_%04d%02d%02d_%02d%02d%02d.png", year, month, day, hour, minute, second);
    lstrcpynA(name, text, size);
}
