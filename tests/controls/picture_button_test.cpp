#include "controls_fixture.h"

namespace {

struct ButtonCase {
    const char* name;
    int id;
    const char* normal;
    const char* hover;
    const char* pressed;
};

const ButtonCase BUTTONS[] = {
    {"minimise", ID_MINIMISE, "min_normal.bmp", "min_hover.bmp", "min_pressed.bmp"},
    {"close", ID_CLOSE, "close_normal.bmp", "close_hover.bmp", "close_pressed.bmp"},
};

// Waits until the button shows the picture; reports the difference if it does not.
::testing::AssertionResult shows(HWND button, const char* fileName) {
    const Pixels expected = readPictureFile(fileName);
    if (expected.values.empty()) return ::testing::AssertionFailure() << "cannot read " << fileName;
    Pixels actual;
    if (waitUntil([&] { return (actual = readWindowPixels(button)) == expected; }, 10000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not showing " << fileName << ": " << difference(actual, expected);
}

}  // namespace

TEST_F(Controls, ButtonsShowHoverAndPressedPicturesAndAReleaseOutsideIsNoClick) {
    start();
    for (const ButtonCase& button : BUTTONS) {
        SCOPED_TRACE(button.name);
        // The pictures must tell the states apart for the checks below to mean anything.
        ASSERT_NE(readPictureFile(button.normal), readPictureFile(button.hover));
        ASSERT_NE(readPictureFile(button.normal), readPictureFile(button.pressed));
        ASSERT_NE(readPictureFile(button.hover), readPictureFile(button.pressed));
        const HWND hwnd = control(button.id);
        const POINT over = middleOf(hwnd);
        const POINT away = {over.x, over.y + 200};  // below the launcher's window
        EXPECT_TRUE(shows(hwnd, button.normal));
        moveMouseTo(over);
        EXPECT_TRUE(shows(hwnd, button.hover));
        pressLeft();
        EXPECT_TRUE(shows(hwnd, button.pressed));
        // Held and dragged off: normal; back on: pressed again, as it keeps the capture.
        moveMouseTo(away);
        EXPECT_TRUE(shows(hwnd, button.normal));
        moveMouseTo(over);
        EXPECT_TRUE(shows(hwnd, button.pressed));
        moveMouseTo(away);
        EXPECT_TRUE(shows(hwnd, button.normal));
        releaseLeft();
        // Coming back without the button held shows hover: the release was handled.
        moveMouseTo(over);
        EXPECT_TRUE(shows(hwnd, button.hover));
        EXPECT_TRUE(launcher.running());
        EXPECT_TRUE(IsWindowVisible(windows.main));
        EXPECT_FALSE(IsIconic(windows.main));
        moveMouseTo(away);
        EXPECT_TRUE(shows(hwnd, button.normal));
    }
}

TEST_F(Controls, ClickingCloseEndsTheProgramWithZeroAndFreesF2) {
    start();
    EXPECT_FALSE(f2IsFree());
    moveMouseTo(middleOf(control(ID_CLOSE)));
    pressLeft();
    releaseLeft();
    EXPECT_EQ(launcher.waitForExit(), 0u);
    EXPECT_TRUE(f2IsFree());
}

TEST_F(Controls, ClickingMinimiseMinimisesAndDeactivatesTheWindow) {
    TitledWindow other("another program");  // the window that becomes active instead
    start();
    const HWND minimise = control(ID_MINIMISE);
    moveMouseTo(middleOf(minimise));
    pressLeft();
    ASSERT_TRUE(waitUntil([&] { return launcherThread().hwndCapture == minimise; }));
    // The press activated the launcher's window.
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == windows.main; }));
    releaseLeft();
    EXPECT_TRUE(waitUntil([&] { return IsIconic(windows.main) != 0; }));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() != windows.main; }))
        << "still the foreground window";
    EXPECT_NE(launcherThread().hwndActive, windows.main);
    EXPECT_TRUE(launcher.running());
}
