#include "capture_fixture.h"

std::string temporaryPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

namespace {

using RegionCaptureClipboard = RegionCaptureFixture;
using RegionCaptureOverlay = RegionCaptureFixture;

TEST_F(RegionCaptureOverlay, CoversTheVirtualScreenTopmostWhateverTheStartingShowState) {
    startTool();
    const HWND overlay = session_->overlay();
    RECT rect;
    GetWindowRect(overlay, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_FALSE(IsIconic(overlay));
    EXPECT_TRUE(GetWindowLongA(overlay, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(overlay, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
}

TEST_F(RegionCaptureClipboard, DragThenEnterCopiesExactlyThosePixels) {
    startTool();
    dragMouse(POINT{250, 200}, POINT{349, 279});
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{250, 200, 350, 280}));
    EXPECT_TRUE(clipboardHasFormat("PNG"));
}

TEST_F(RegionCaptureClipboard, DragMadeBackwardsThenCtrlCCopiesTheSameBox) {
    startTool();
    dragMouse(POINT{349, 279}, POINT{250, 200});
    pressChord(VK_CONTROL, 'C');
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{250, 200, 350, 280}));
}

TEST_F(RegionCaptureClipboard, AClickTakesTheWindowUnderThePointer) {
    startTool();
    clickMouse(POINT{WINDOW_X + 123, WINDOW_Y + 45});
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, pattern_.screenRect()));
}

TEST_F(RegionCaptureClipboard, EscapeWithoutASelectionCancelsAndLeavesTheClipboardAlone) {
    startTool();
    pressKey(VK_ESCAPE);
    EXPECT_EQ(session_->waitForExit(), 1u);
    EXPECT_EQ(clipboardText(), CLIPBOARD_BEFORE);
}

TEST_F(RegionCaptureClipboard, EscapeOrRightClickFirstDropsTheSelection) {
    startTool();
    dragMouse(POINT{250, 200}, POINT{349, 279});
    pressKey(VK_ESCAPE);
    EXPECT_EQ(session_->waitForExit(300), STILL_ACTIVE) << "the first Escape must only drop the selection";
    clickMouse(POINT{300, 300}, true);
    EXPECT_EQ(session_->waitForExit(), 1u);
    EXPECT_EQ(clipboardText(), CLIPBOARD_BEFORE);
}

TEST_F(RegionCaptureClipboard, ABusyClipboardIsReportedAndTheSelectionKept) {
    startTool();
    dragMouse(POINT{250, 200}, POINT{349, 279});
    ClipboardWindow holder;
    ASSERT_TRUE(OpenClipboard(holder.hwnd()));
    pressKey(VK_RETURN);
    const HWND box = session_->waitForMessageBox();
    CloseClipboard();
    ASSERT_NE(box, nullptr) << "no message about the busy clipboard";
    EXPECT_EQ(clipboardText(), CLIPBOARD_BEFORE) << "the other program's clipboard was touched";
    EXPECT_TRUE(session_->running());

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(waitUntil([&] { return session_->overlayHasKeyboard(); })) << "the overlay did not get the keyboard back";
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{250, 200, 350, 280}));
}

}  // namespace
