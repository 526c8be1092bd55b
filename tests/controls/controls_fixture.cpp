#include <cstdlib>
#include "controls_fixture.h"

namespace {

LRESULT CALLBACK plainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void Controls::SetUp() {
    DeleteFileA(probeLog().c_str());
    parkPointer();
}

void Controls::TearDown() {
    releaseLeft();
    if (launcher.running()) {
        PostMessageA(windows.main, WM_CLOSE, 0, 0);
        launcher.waitForExit();
    }
    launcher = ChildProcess();
    DeleteFileA(probeLog().c_str());
}

void Controls::start() {
    parkPointer();
    launcher = startZelvik(windows, nullptr, {"ZELVIK_PROBE_LOG=" + probeLog()});
    ASSERT_TRUE(launcher.running());
    ASSERT_NE(windows.main, nullptr);
    ASSERT_EQ(windows.controls.size(), 12u);
}

POINT Controls::windowOrigin() const {
    RECT rect;
    GetWindowRect(windows.main, &rect);
    return {rect.left, rect.top};
}

GUITHREADINFO Controls::launcherThread() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(windows.main, nullptr), &info);
    return info;
}

bool Controls::windowMovedFrom(POINT before) const {
    const POINT now = windowOrigin();
    return now.x != before.x || now.y != before.y;
}

void Controls::drag(POINT start, int dx, int dy, const std::function<bool()>& pressTaken) {
    moveMouseTo(start);
    pressLeft();
    EXPECT_TRUE(waitUntil(pressTaken)) << "the launcher did not take the press";
    constexpr int STEPS = 8;
    for (int i = 1; i <= STEPS; ++i) moveMouseTo({start.x + dx * i / STEPS, start.y + dy * i / STEPS});
    releaseLeft();
}

// Wine's own move loop (there is no window manager here) takes its starting
// point from the pointer at some moment after it has begun, so how far the
// window goes varies from run to run; that it goes, and only from the
// passive points, does not.
void Controls::dragHeaderAndWait(int dx, int dy) {
    ASSERT_TRUE(waitUntil([&] { return !launcherInMoveLoop(); })) << "an earlier move loop has not ended";
    const POINT before = windowOrigin();
    drag(onScreen(windows.main, 240, 26), dx, dy, [&] { return launcherInMoveLoop(); });
    EXPECT_TRUE(waitUntil([&] { return windowMovedFrom(before); })) << "the header drag did not move the window";
    EXPECT_TRUE(waitUntil([&] { return !launcherInMoveLoop(); }));
}

bool f2IsFree() {
    FocusWindow window;
    const bool free = RegisterHotKey(window.hwnd(), 1, 0, VK_F2) != 0;
    if (free) UnregisterHotKey(window.hwnd(), 1);
    return free;
}

TitledWindow::TitledWindow(const char* title) : title_(title) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = plainWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZelvikTestTitled";
    RegisterClassA(&windowClass);
    thread_.reset(CreateThread(nullptr, 0, run, this, 0, nullptr));
    EXPECT_TRUE(waitUntil([&] { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }));
}

TitledWindow::~TitledWindow() {
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);  // the window's end ends its thread
    WaitForSingleObject(thread_.get(), 5000);
}

DWORD WINAPI TitledWindow::run(void* parameter) {
    TitledWindow* self = static_cast<TitledWindow*>(parameter);
    const HWND hwnd = CreateWindowExA(0, "ZelvikTestTitled", self->title_, WS_OVERLAPPEDWINDOW, 0, 500, 200, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    self->hwnd_ = hwnd;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
