#include "window_finder.h"

namespace {

Box boxOf(const RECT& rect) { return Box{rect.left, rect.top, rect.right, rect.bottom}; }

Box windowBox(HWND window) {
    RECT rect;
    return GetWindowRect(window, &rect) ? boxOf(rect) : Box{0, 0, 0, 0};
}

}  // namespace

BOOL CALLBACK WindowFinder::collect(HWND window, LPARAM self) {
    auto* finder = reinterpret_cast<WindowFinder*>(self);
    if (finder->count_ >= MAX_WINDOWS) return FALSE;
    if (!IsWindowVisible(window) || IsIconic(window)) return TRUE;
    const Box box = windowBox(window);
    if (box.empty()) return TRUE;
    finder->windows_[finder->count_] = window;
    finder->boxes_[finder->count_] = box;
    ++finder->count_;
    return TRUE;
}

void WindowFinder::snapshot() {
    count_ = 0;
    EnumWindows(collect, reinterpret_cast<LPARAM>(this));  // front to back
}

Box WindowFinder::boxAt(Point screenPoint, bool children) const {
    for (int i = 0; i < count_; ++i) {
        if (!boxes_[i].contains(screenPoint)) continue;
        if (!children) return boxes_[i];
        HWND found = windows_[i];
        for (;;) {
            POINT client = {screenPoint.x, screenPoint.y};
            ScreenToClient(found, &client);
            HWND child = ChildWindowFromPointEx(found, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (!child || child == found) break;
            found = child;
        }
        return windowBox(found);
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    const POINT point = {screenPoint.x, screenPoint.y};
    if (GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) return boxOf(monitor.rcMonitor);
    return Box{0, 0, 0, 0};
}
