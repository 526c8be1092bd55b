#include "controls_fixture.h"

namespace {

struct EscapeCase {
    const char* name;
    int focusId;  // the control clicked to take the focus; 0: the header, focusing the window
    bool alt;     // Esc with Alt held arrives as WM_SYSKEYDOWN
};

const EscapeCase ESCAPE_CASES[] = {
    {"focus on the window", 0, false},
    {"focus on a radio button", ID_REGION_TOOL, false},
    {"focus on the window, Alt held", 0, true},
};

void sendKey(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

TEST_F(Controls, EscEndsTheProgramWithZeroWhereverTheFocusIs) {
    for (const EscapeCase& escape : ESCAPE_CASES) {
        SCOPED_TRACE(escape.name);
        start();
        const HWND target = escape.focusId ? control(escape.focusId) : control(ID_HEADER);
        const HWND focus = escape.focusId ? target : windows.main;
        moveMouseTo(middleOf(target));
        pressLeft();
        releaseLeft();
        ASSERT_TRUE(waitUntil([&] { return launcherThread().hwndFocus == focus; }))
            << "the focus is on " << launcherThread().hwndFocus;
        if (escape.alt) sendKey(VK_MENU, false);
        sendKey(VK_ESCAPE, false);
        sendKey(VK_ESCAPE, true);
        if (escape.alt) sendKey(VK_MENU, true);
        EXPECT_EQ(launcher.waitForExit(), 0u);
        EXPECT_TRUE(f2IsFree());
    }
}
