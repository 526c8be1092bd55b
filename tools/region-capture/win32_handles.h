#pragma once
#include <windows.h>

#include "platform/unique_handle.h"
#include "ui/gdi.h"

using Library = Owned<HMODULE, LibraryTraits>;
using GlobalMemory = Owned<HGLOBAL, GlobalTraits>;

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
