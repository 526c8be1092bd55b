#pragma once
#include <windows.h>

// One owning class per handle kind: each releases its handle once, moves
// but never copies.

template <typename Handle, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) : handle_(other.release()) {}
    Owned& operator=(Owned&& other) {
        if (this != &other) reset(other.release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
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
struct LibraryTraits {
    static void free(HMODULE module) { FreeLibrary(module); }
};
struct GlobalTraits {
    static void free(HGLOBAL memory) { GlobalFree(memory); }
};
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
