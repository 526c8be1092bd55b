// A picture button of the window layer in this process, driven by the real
// mouse: it repaints at once on each change of state and never otherwise.
#include "controls_fixture.h"
#include "ui/window_layer.h"

namespace {

int paints = 0;
int mouseMessages = 0;
WNDPROC buttonProc = nullptr;

LRESULT CALLBACK countPaints(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++paints;
    const LRESULT result = CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) ++mouseMessages;
    return result;
}

const ControlDescription CONTROLS[] = {
    {"button", ControlKind::PictureButton, -1, {0, 0}, {40, 20}, true, true, nullptr, nullptr,
     rgbColour(0, 0, 0), BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false,
     BUTTON_FACE, {}},
};

const WindowDescription WINDOW = {
    "ZelvikRepaintTest", "repaint", {120, 60}, 1, true, false, false, 0, CONTROLS, 1, nullptr, nullptr,
};

enum class Action { MoveTo, Press, Release };

struct Step {
    const char* name;
    Action action;
    POINT point;   // in the button, for moves
    int messages;  // mouse messages that the step brings to the button
    int paints;    // repaints so far
};

const Step STEPS[] = {
    {"onto the button: hover", Action::MoveTo, {10, 10}, 1, 1},
    {"within it", Action::MoveTo, {14, 10}, 1, 1},
    {"within it again", Action::MoveTo, {18, 12}, 1, 1},
    {"press: pressed", Action::Press, {}, 1, 2},
    {"within it, held", Action::MoveTo, {22, 12}, 1, 2},
    {"off it, held: normal", Action::MoveTo, {30, 50}, 1, 3},
    {"further off, held", Action::MoveTo, {34, 55}, 1, 3},
    {"back on, held: pressed", Action::MoveTo, {20, 10}, 1, 4},
    // Releasing the capture brings a mouse move, and the pointer is still over it.
    {"release on it: normal, then hover", Action::Release, {}, 2, 6},
    {"within it: still hover", Action::MoveTo, {24, 10}, 1, 6},
    {"off it: normal", Action::MoveTo, {30, 50}, 1, 7},
};

}  // namespace

TEST(PictureButtonRepaint, RepaintsOnceForEachChangeOfStateAndNeverOtherwise) {
    parkPointer();
    loadMainWindow(WINDOW);
    const HWND main = mainWindowHandle();
    ASSERT_NE(main, nullptr);
    const HWND button = GetWindow(main, GW_CHILD);
    ASSERT_NE(button, nullptr);
    UpdateWindow(main);
    UpdateWindow(button);
    pumpMessages();
    buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countPaints)));

    for (const Step& step : STEPS) {
        SCOPED_TRACE(step.name);
        const int before = mouseMessages;
        switch (step.action) {
        case Action::MoveTo: moveMouseTo(onScreen(button, step.point.x, step.point.y)); break;
        case Action::Press: pressLeft(); break;
        case Action::Release: releaseLeft(); break;
        }
        ASSERT_TRUE(waitUntil([&] {
            pumpMessages();
            return mouseMessages >= before + step.messages;
        })) << "the button saw " << mouseMessages - before << " mouse messages";
        pumpMessages();
        EXPECT_EQ(paints, step.paints);
    }
    DestroyWindow(main);
}
