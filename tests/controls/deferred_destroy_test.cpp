// The window layer in this process: a window with one picture button bound to
// the close handler, clicked with the real mouse.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "ui/window_controls.h"
#include "ui/window_layer.h"

namespace {

std::vector<std::string> events;
WNDPROC buttonProc = nullptr;
WNDPROC mainProc = nullptr;

LRESULT CALLBACK recordButton(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_LBUTTONUP) return CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
    events.push_back("release begins");
    const LRESULT result = CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
    events.push_back(IsWindow(GetParent(hwnd)) ? "release returns, window alive" : "release returns, window gone");
    return result;
}

LRESULT CALLBACK recordMain(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) events.push_back("WM_CLOSE");
    if (message == WM_DESTROY) events.push_back("WM_DESTROY");
    return CallWindowProcA(mainProc, hwnd, message, wParam, lParam);
}

void willBeDestroyed() {
    events.push_back("will be destroyed");
    PostQuitMessage(0);
}

const ControlDescription CONTROLS[] = {
    {"close", ControlKind::PictureButton, -1, {0, 0}, {40, 20}, true, true, nullptr, nullptr,
     rgbColour(0, 0, 0), BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false,
     BUTTON_FACE, {onCloseClicked, nullptr, nullptr}},
};

const WindowDescription WINDOW = {
    "ZelvikDeferredDestroyTest", "deferred destroy", {120, 60}, 1, true, false, false, 0,
    CONTROLS, 1, nullptr, willBeDestroyed,
};

DWORD WINAPI clickButton(void* button) {
    moveMouseTo(middleOf(static_cast<HWND>(button)));
    pressLeft();
    releaseLeft();
    return 0;
}

DWORD WINAPI endAfterDeadline(void* thread) {
    Sleep(20000);  // only a safety net: the loop normally ends long before
    PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(thread)), WM_QUIT, 0, 0);
    return 0;
}

}  // namespace

TEST(DeferredDestroy, TheCloseClickDestroysTheWindowAfterItsHandlingWithoutWmClose) {
    parkPointer();
    loadMainWindow(WINDOW);
    const HWND main = mainWindowHandle();
    ASSERT_NE(main, nullptr);
    const HWND button = GetWindow(main, GW_CHILD);
    ASSERT_NE(button, nullptr);
    buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordButton)));
    mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordMain)));

    UniqueHandle clicker(CreateThread(nullptr, 0, clickButton, button, 0, nullptr));
    UniqueHandle safetyNet(CreateThread(nullptr, 0, endAfterDeadline,
                                        reinterpret_cast<void*>(static_cast<ULONG_PTR>(GetCurrentThreadId())), 0,
                                        nullptr));
    runMessageLoop();

    const std::vector<std::string> expected = {"release begins", "release returns, window alive", "WM_DESTROY",
                                               "will be destroyed"};
    EXPECT_EQ(events, expected);
    EXPECT_FALSE(IsWindow(main));
}
