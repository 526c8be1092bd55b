#pragma once
#include <windows.h>

// Owners for GDI objects, DCs and icons: each frees its handle once; moves,
// never copies.
template <typename Handle, typename Traits>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(Handle handle) : handle_(handle) {}
    UniqueGdi(UniqueGdi&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    UniqueGdi& operator=(UniqueGdi&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    UniqueGdi(const UniqueGdi&) = delete;
    UniqueGdi& operator=(const UniqueGdi&) = delete;
    ~UniqueGdi() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Traits::free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct GdiObjectTraits {
    static void free(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits {
    static void free(HDC dc) { DeleteDC(dc); }
};
struct IconTraits {
    static void free(HICON icon) { DestroyIcon(icon); }
};

using UniqueFont = UniqueGdi<HFONT, GdiObjectTraits>;
using UniqueBrush = UniqueGdi<HBRUSH, GdiObjectTraits>;
using UniquePen = UniqueGdi<HPEN, GdiObjectTraits>;
using UniqueBitmap = UniqueGdi<HBITMAP, GdiObjectTraits>;
using UniqueMemoryDc = UniqueGdi<HDC, MemoryDcTraits>;
using UniqueIcon = UniqueGdi<HICON, IconTraits>;

// Selects an object into a DC for the life of the scope, then puts the
// previous object back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint as a scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_ = nullptr;
};
