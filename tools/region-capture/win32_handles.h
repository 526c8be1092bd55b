#pragma once
#include <windows.h>

#include "platform/owned.h"

struct FileTraits {
    static void free(HANDLE file) { CloseHandle(file); }
};
struct RegionTraits {
    static void free(HRGN region) { DeleteObject(region); }
};

using OwnedBitmap = Owned<HBITMAP, GdiObjectTraits>;
using OwnedFont = Owned<HFONT, GdiObjectTraits>;
using OwnedPen = Owned<HPEN, GdiObjectTraits>;
using OwnedBrush = Owned<HBRUSH, GdiObjectTraits>;
using OwnedRegion = Owned<HRGN, RegionTraits>;
using MemoryDc = Owned<HDC, MemoryDcTraits>;
using Library = Owned<HMODULE, LibraryTraits>;
using GlobalMemory = Owned<HGLOBAL, GlobalTraits>;

// A file handle; INVALID_HANDLE_VALUE is stored as none.
class OwnedFile {
public:
    explicit OwnedFile(HANDLE file) : file_(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
    HANDLE get() const { return file_.get(); }
    explicit operator bool() const { return static_cast<bool>(file_); }
    bool close() { return CloseHandle(file_.release()) != 0; }

private:
    Owned<HANDLE, FileTraits> file_;
};

// A DC from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC for a scope; the previous one is put back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Global memory locked for a scope.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};
