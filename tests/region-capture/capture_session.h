#pragma once
#include <windows.h>

#include <string>

#include "support/test_support.h"

// The region-capture tool started the way the launcher starts it: command
// line beginning with the deployed path, minimised show state, the
// launcher's folder as current directory, no inherited handles.
class CaptureSession {
public:
    explicit CaptureSession(const std::string& arguments = "");
    ~CaptureSession();
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    bool started() const { return process_.valid(); }
    bool running() const;
    // Waits until the overlay is shown and has the keyboard; null when it never is.
    HWND waitForOverlay();
    HWND overlay() const { return overlay_; }
    bool overlayHasKeyboard() const;
    // A message box the tool shows, or null once the deadline has passed.
    HWND waitForMessageBox(DWORD deadlineMs = 10000) const;
    DWORD waitForExit(DWORD deadlineMs = 20000);

private:
    UniqueHandle process_;
    DWORD id_ = 0;
    HWND overlay_ = nullptr;
};

// Mouse input as the user gives it, through SendInput, in screen coordinates.
void moveMouse(int x, int y);
void mouseButton(bool down, bool right = false);
void dragMouse(POINT from, POINT to);
void clickMouse(POINT at, bool right = false);
// Key chords: each modifier down, the key pressed, the modifiers up.
void pressChord(WORD modifier, WORD key);

std::string windowTextOf(HWND window);
