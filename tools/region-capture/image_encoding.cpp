#include "image_encoding.h"

#include <objidl.h>
#include <string.h>

namespace {

DWORD dibRowBytes(int width) { return (static_cast<DWORD>(width) * 3 + 3) & ~3u; }

// Writes the packed DIB at out, which must hold dibSize(box) bytes.
void writeDib(const Picture& picture, const Box& box, BYTE* out) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = box.width();
    header.biHeight = box.height();  // bottom-up, as most readers expect
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = dibRowBytes(box.width()) * box.height();
    memcpy(out, &header, sizeof header);
    BYTE* rows = out + sizeof header;
    for (int y = 0; y < box.height(); ++y) {
        const unsigned* source = picture.row(box.bottom - 1 - y) + box.left;
        BYTE* target = rows + static_cast<size_t>(y) * dibRowBytes(box.width());
        for (int x = 0; x < box.width(); ++x) {
            target[3 * x] = static_cast<BYTE>(source[x]);
            target[3 * x + 1] = static_cast<BYTE>(source[x] >> 8);
            target[3 * x + 2] = static_cast<BYTE>(source[x] >> 16);
        }
        memset(target + 3 * box.width(), 0, dibRowBytes(box.width()) - 3 * box.width());
    }
}

DWORD dibSize(const Box& box) { return sizeof(BITMAPINFOHEADER) + dibRowBytes(box.width()) * box.height(); }

bool allocate(EncodedImage& image, DWORD size) {
    image.memory.reset(GlobalAlloc(GMEM_MOVEABLE, size));
    image.size = image.memory ? size : 0;
    return static_cast<bool>(image.memory);
}

// The few GDI+ flat functions used, declared as the DLL exports them.
struct GdiplusStartupInput {
    UINT32 version;
    void* debugEventCallback;
    BOOL suppressBackgroundThread;
    BOOL suppressExternalCodecs;
};
using StartupFn = int(WINAPI*)(ULONG_PTR*, const GdiplusStartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);
using CreateFromScan0Fn = int(WINAPI*)(INT, INT, INT, INT, BYTE*, void**);
using SaveToStreamFn = int(WINAPI*)(void*, IStream*, const CLSID*, const void*);
using DisposeImageFn = int(WINAPI*)(void*);
using CreateStreamFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
constexpr INT PIXEL_FORMAT_32BPP_RGB = 0x00022009;

// GDI+'s built-in encoders.
const CLSID PNG_ENCODER = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID JPEG_ENCODER = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

template <typename Function>
Function entry(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Keeps GDI+ started for a scope.
class GdiplusSession {
public:
    explicit GdiplusSession(HMODULE gdiplus) : shutdown_(entry<ShutdownFn>(gdiplus, "GdiplusShutdown")) {
        const GdiplusStartupInput input = {1, nullptr, FALSE, TRUE};
        const auto startup = entry<StartupFn>(gdiplus, "GdiplusStartup");
        started_ = startup && shutdown_ && startup(&token_, &input, nullptr) == 0;
    }
    ~GdiplusSession() {
        if (started_) shutdown_(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool started() const { return started_; }

private:
    ShutdownFn shutdown_;
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// A GDI+ image, disposed at the end of the scope.
class GdiplusImage {
public:
    GdiplusImage(HMODULE gdiplus, void* image) : dispose_(entry<DisposeImageFn>(gdiplus, "GdipDisposeImage")), image_(image) {}
    ~GdiplusImage() {
        if (image_ && dispose_) dispose_(image_);
    }
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;

private:
    DisposeImageFn dispose_;
    void* image_;
};

// A COM stream, released at the end of the scope.
class StreamReference {
public:
    explicit StreamReference(IStream* stream) : stream_(stream) {}
    ~StreamReference() {
        if (stream_) stream_->Release();
    }
    StreamReference(const StreamReference&) = delete;
    StreamReference& operator=(const StreamReference&) = delete;
    IStream* get() const { return stream_; }

private:
    IStream* stream_;
};

bool copyStream(IStream* stream, EncodedImage& image) {
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER end = {};
    if (FAILED(stream->Seek(zero, STREAM_SEEK_END, &end)) || end.QuadPart == 0 || end.QuadPart > 0x7FFFFFFF)
        return false;
    if (FAILED(stream->Seek(zero, STREAM_SEEK_SET, nullptr))) return false;
    if (!allocate(image, static_cast<DWORD>(end.QuadPart))) return false;
    LockedGlobal locked(image.memory.get());
    ULONG read = 0;
    return locked.data() && SUCCEEDED(stream->Read(locked.data(), image.size, &read)) && read == image.size;
}

DWORD writeFile(const char* path, const EncodedImage& image) {
    UniqueHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return GetLastError();
    DWORD error = 0;
    {
        LockedGlobal locked(image.memory.get());
        DWORD written = 0;
        if (!WriteFile(file.get(), locked.data(), image.size, &written, nullptr)) error = GetLastError();
        else if (written != image.size) error = ERROR_DISK_FULL;
    }
    if (!file.close() && !error) error = GetLastError();
    // A half-written picture is worse than none.
    if (error) DeleteFileA(path);
    return error;
}

}  // namespace

bool encodeDib(const Picture& picture, const Box& box, EncodedImage& image) {
    if (!allocate(image, dibSize(box))) return false;
    LockedGlobal locked(image.memory.get());
    if (!locked.data()) return false;
    writeDib(picture, box, static_cast<BYTE*>(locked.data()));
    return true;
}

bool encodeBmpFile(const Picture& picture, const Box& box, EncodedImage& image) {
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfSize = sizeof header + dibSize(box);
    header.bfOffBits = sizeof header + sizeof(BITMAPINFOHEADER);
    if (!allocate(image, header.bfSize)) return false;
    LockedGlobal locked(image.memory.get());
    if (!locked.data()) return false;
    memcpy(locked.data(), &header, sizeof header);
    writeDib(picture, box, static_cast<BYTE*>(locked.data()) + sizeof header);
    return true;
}

bool encodeWithGdiplus(const Picture& picture, const Box& box, ImageFormat format, EncodedImage& image) {
    Library gdiplus(LoadLibraryA("gdiplus.dll"));
    Library ole32(LoadLibraryA("ole32.dll"));
    if (!gdiplus || !ole32) return false;
    const auto createStream = entry<CreateStreamFn>(ole32.get(), "CreateStreamOnHGlobal");
    const auto createBitmap = entry<CreateFromScan0Fn>(gdiplus.get(), "GdipCreateBitmapFromScan0");
    const auto saveToStream = entry<SaveToStreamFn>(gdiplus.get(), "GdipSaveImageToStream");
    if (!createStream || !createBitmap || !saveToStream) return false;
    GdiplusSession session(gdiplus.get());
    if (!session.started()) return false;

    // The bitmap reads the captured pixels in place, no copy.
    void* bitmap = nullptr;
    BYTE* firstPixel = reinterpret_cast<BYTE*>(picture.row(box.top) + box.left);
    if (createBitmap(box.width(), box.height(), picture.width() * 4, PIXEL_FORMAT_32BPP_RGB, firstPixel, &bitmap) != 0)
        return false;
    GdiplusImage owned(gdiplus.get(), bitmap);
    IStream* created = nullptr;
    if (FAILED(createStream(nullptr, TRUE, &created))) return false;
    StreamReference stream(created);
    const CLSID* encoder = format == ImageFormat::Jpeg ? &JPEG_ENCODER : &PNG_ENCODER;
    if (saveToStream(bitmap, stream.get(), encoder, nullptr) != 0) return false;
    return copyStream(stream.get(), image);
}

DWORD saveImage(const Picture& picture, const Box& box, const char* path) {
    EncodedImage image;
    const ImageFormat format = formatForPath(path);
    const bool encoded = format == ImageFormat::Bmp ? encodeBmpFile(picture, box, image)
                                                    : encodeWithGdiplus(picture, box, format, image);
    if (!encoded) return ERROR_NOT_ENOUGH_MEMORY;
    return writeFile(path, image);
}
