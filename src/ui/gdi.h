#pragma once
#include <windows.h>

#include "platform/owned.h"

// Owners for GDI objects, DCs and icons; the capture tool uses them too.
using UniqueFont = Owned<HFONT, GdiObjectTraits>;
using UniqueBrush = Owned<HBRUSH, GdiObjectTraits>;
using UniquePen = Owned<HPEN, GdiObjectTraits>;
using UniqueBitmap = Owned<HBITMAP, GdiObjectTraits>;
using UniqueMemoryDc = Owned<HDC, MemoryDcTraits>;
using UniqueIcon = Owned<HICON, IconTraits>;
using UniqueRegion = Owned<HRGN, GdiObjectTraits>;

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
