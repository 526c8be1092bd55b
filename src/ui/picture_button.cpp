#include <windows.h>
#include <windowsx.h>

#include "ui/window_layer_state.h"

namespace {

// Repaints at once, and only when the state really changes.
void setDrawState(ControlInstance& button, int drawState) {
    if (button.drawState == drawState) return;
    button.drawState = drawState;
    InvalidateRect(button.hwnd, nullptr, FALSE);
    UpdateWindow(button.hwnd);
}

bool insideClient(HWND hwnd, POINT point) {
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, point) != 0;
}

// Over the button: it is the window under the pointer, or there is none and
// the point lies within the client rectangle.
bool pointerOver(HWND hwnd, POINT point) {
    POINT screen = point;
    ClientToScreen(hwnd, &screen);
    const HWND under = WindowFromPoint(screen);
    return under == hwnd || (under == nullptr && insideClient(hwnd, point));
}

}  // namespace

// A push button: the click is decided by where the button is released.
bool handlePictureButtonMouse(ControlInstance& button, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = button.hwnd;
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool enabled = IsWindowEnabled(hwnd) != 0;
    switch (message) {
    case WM_LBUTTONDOWN:
        if (insideClient(hwnd, point) && enabled) {
            setDrawState(button, 2);
            if (GetCapture() != hwnd) SetCapture(hwnd);
        }
        return true;
    case WM_MOUSEMOVE:
        if (!enabled) {
            if (GetCapture() == hwnd) ReleaseCapture();
            return true;
        }
        if (pointerOver(hwnd, point)) {
            // Capturing on hover lets the button see the pointer leave.
            if (GetCapture() != hwnd) SetCapture(hwnd);
            setDrawState(button, (wParam & MK_LBUTTON) ? 2 : 1);
        } else {
            if (!(wParam & MK_LBUTTON) && GetCapture() == hwnd) ReleaseCapture();
            setDrawState(button, 0);
        }
        return true;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a drag, the system): the
        // button no longer sees the pointer, so it must not stay lit.
        if (reinterpret_cast<HWND>(lParam) != hwnd) setDrawState(button, 0);
        return true;
    case WM_LBUTTONUP:
        ReleaseCapture();
        if (insideClient(hwnd, point) && enabled) {
            setDrawState(button, 0);
            raisePlain(button.description->events.clicked);
        }
        return true;
    default:
        return false;
    }
}
