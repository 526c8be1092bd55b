#include "launcher_fixture.h"

namespace {

// While the hook holds a key event, the sender waits for it. An inspector
// thread looks at the launcher's window meanwhile: 2 hidden, 1 shown, 0 none.
HANDLE inspectRequest = CreateEventA(nullptr, FALSE, FALSE, nullptr);
HANDLE inspectDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);
volatile LONG inspectedState = -1;

DWORD WINAPI inspectLauncherWindow(void*) {
    while (WaitForSingleObject(inspectRequest, INFINITE) == WAIT_OBJECT_0) {
        const HWND main = FindWindowExA(nullptr, nullptr, "WTWindow", nullptr);
        InterlockedExchange(&inspectedState, main == nullptr ? 0 : IsWindowVisible(main) ? 1 : 2);
        SetEvent(inspectDone);
    }
    return 0;
}

int launcherWindowState() {
    SetEvent(inspectRequest);
    if (WaitForSingleObject(inspectDone, 1000) != WAIT_OBJECT_0) return -1;
    return inspectedState;
}

bool f2IsFree() {
    FocusWindow window;
    const bool free = RegisterHotKey(window.hwnd(), 1, 0, VK_F2) != 0;
    if (free) UnregisterHotKey(window.hwnd(), 1);
    return free;
}

}  // namespace

TEST_F(Launcher, TheStartUpCaptureComesBeforeTheWindowIsShown) {
    UniqueHandle inspector(CreateThread(nullptr, 0, inspectLauncherWindow, nullptr, 0, nullptr));
    recorder.reset(new KeyRecorder(launcherWindowState));
    start();
    const std::vector<KeyEvent> chord = injectedChords();
    ASSERT_EQ(chord.size(), 4u) << describe(chord);
    for (const KeyEvent& event : chord) EXPECT_EQ(event.observed, 2) << describe(chord);
}

TEST_F(Launcher, TheCurrentDirectoryIsTheProgramsFolderWhereverItStarts) {
    start("C:\\");
    installProbeAsTool();
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    pressF2(stateStopped());
    const std::vector<std::string> lines = probeLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("dir=" + binFolder() + " "), std::string::npos) << lines[0];
    // Started minimised, by its path alone, with nothing inherited.
    EXPECT_NE(lines[0].find("flags=1 show=2 inherited=0"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("cmd=C:\\WINDOWS\\qqscr.exe"), std::string::npos) << lines[0];
}

TEST_F(Launcher, ADestroyRequestWithoutThePendingFlagDoesNothing) {
    start();
    PostMessageA(windows.main, 0x8065, 0, 0);
    for (HWND control : windows.controls) PostMessageA(control, 0x8065, 0, 0);
    // A hotkey message posted after it is handled after it.
    PostMessageA(windows.main, WM_HOTKEY, 33001, MAKELPARAM(0, VK_F2));
    ASSERT_TRUE(waitUntil([&] { return stateText() == stateStopped(); }));
    EXPECT_TRUE(IsWindow(windows.main));
    EXPECT_TRUE(launcher.running());
}

TEST_F(Launcher, TheCloseButtonEndsTheProgramWithZeroAndFreesF2) {
    start();
    EXPECT_FALSE(f2IsFree());
    const HWND close = windows.control(ID_CLOSE);
    PostMessageA(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(close, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(launcher.waitForExit(), 0u);
    EXPECT_TRUE(f2IsFree());
}

TEST_F(Launcher, WaysOfEndingFromOutsideAllEndWithZero) {
    struct Way {
        const char* name;
        UINT message;
        WPARAM wParam;
    };
    static const Way ways[] = {
        {"WM_CLOSE from another program", WM_CLOSE, 0},
        {"WM_QUIT from another program", WM_QUIT, 5},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        start();
        PostMessageA(windows.main, way.message, way.wParam, 0);
        EXPECT_EQ(launcher.waitForExit(), 0u);
        EXPECT_TRUE(f2IsFree());
    }
}

TEST_F(Launcher, ASecondInstanceGetsNoHotkeyAndClosesQuietly) {
    start();
    ZelvikWindows secondWindows;
    ChildProcess second = startZelvik(secondWindows);
    ASSERT_TRUE(second.running());
    const HWND secondState = secondWindows.control(ID_STATE_LABEL);
    pressF2(stateStopped());
    EXPECT_EQ(windowText(secondState), stateRunning());
    PostMessageA(secondWindows.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.waitForExit(), 0u);
    pressF2(stateRunning());  // the first still holds F2
}
