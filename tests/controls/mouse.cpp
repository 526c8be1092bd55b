#include "mouse.h"

#include "support/test_support.h"

namespace {

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof input);
}

// Absolute input runs from 0 to 65535 over the primary screen.
LONG normalised(LONG value, int extent) { return (value * 65536 + extent - 1) / extent; }

}  // namespace

void moveMouseTo(POINT screen) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
    waitUntil([&] {
        POINT at;
        return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
    }, 2000);
}

void pressLeft() { sendMouse(MOUSEEVENTF_LEFTDOWN); }

void releaseLeft() { sendMouse(MOUSEEVENTF_LEFTUP); }

POINT onScreen(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT middleOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return onScreen(window, client.right / 2, client.bottom / 2);
}

void parkPointer() { moveMouseTo({1000, 740}); }
