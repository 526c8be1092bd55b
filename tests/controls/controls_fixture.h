#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mouse.h"
#include "screen_pixels.h"
#include "support/test_support.h"

// Runs the real launcher and drives its controls with the mouse and keys.
class Controls : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the launcher with the pointer parked away from it.
    void start();
    HWND control(int id) const { return windows.control(id); }
    POINT windowOrigin() const;
    // What the launcher's thread holds: capture, focus, active window, move loop.
    GUITHREADINFO launcherThread() const;
    bool launcherInMoveLoop() const { return (launcherThread().flags & GUI_INMOVESIZE) != 0; }

    // A drag as a user makes it: press at start, wait until the launcher has
    // taken the press (as a user's hand would linger), travel in steps, release.
    // Wine's move loop starts from where the pointer is when it begins, so
    // travel injected before the launcher handles the press would be lost.
    void drag(POINT start, int dx, int dy, const std::function<bool()>& pressTaken);
    // A drag on the header band by (dx, dy); waits until the window has moved.
    void dragHeaderAndWait(int dx, int dy);
    // Whether the window moved from before by the mouse's travel (dx, dy).
    bool windowMovedFrom(POINT before) const;

    std::string probeLog() const { return binFolder() + "\\link-probe.log"; }

    ZelvikWindows windows;
    ChildProcess launcher;
};

// F2 can be registered by another program.
bool f2IsFree();

// A window of the test's own with the given title, shown without being
// activated, answering messages on a thread of its own as a live program would.
class TitledWindow {
public:
    explicit TitledWindow(const char* title);
    ~TitledWindow();
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    static DWORD WINAPI run(void* self);
    const char* title_;
    volatile HWND hwnd_ = nullptr;
    UniqueHandle thread_;
};
