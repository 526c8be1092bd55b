#pragma once
#include <windows.h>

#include "geometry.h"

// The visible top-level windows as they stood when the screen was grabbed,
// front to back, so that the outline matches the frozen picture.
class WindowFinder {
public:
    // Takes the snapshot; call before the overlay exists.
    void snapshot();
    // The screen box of the frontmost window under the point, or of the
    // deepest visible child control when children is true; the monitor's
    // box when no window is there.
    Box boxAt(Point screenPoint, bool children) const;

private:
    static BOOL CALLBACK collect(HWND window, LPARAM self);

    static constexpr int MAX_WINDOWS = 512;
    HWND windows_[MAX_WINDOWS];
    Box boxes_[MAX_WINDOWS];
    int count_ = 0;
};
