#pragma once
#include <windows.h>

// Replaces a window's procedure and returns the previous one. On 32-bit
// Windows this is SetWindowLongA with GWL_WNDPROC; the 64-bit test build
// needs the pointer-sized variant of the same call.
inline WNDPROC replaceWindowProc(HWND window, WNDPROC procedure) {
#ifdef _WIN64
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
#else
    return reinterpret_cast<WNDPROC>(
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(procedure)));
#endif
}
