#include "capture_fixture.h"

namespace {

using RegionCaptureEditing = RegionCaptureFixture;

TEST_F(RegionCaptureEditing, ArrowKeysMoveTheSelectionByOnePixel) {
    startTool("--region 250,200,60,40");
    pressKey(VK_RIGHT);
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    pressKey(VK_LEFT);
    pressKey(VK_LEFT);
    pressKey(VK_LEFT);
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{248, 202, 308, 242}));
}

TEST_F(RegionCaptureEditing, ShiftArrowsResizeFromTheRightAndBottomEdges) {
    startTool("--region 250,200,60,40");
    pressChord(VK_SHIFT, VK_RIGHT);
    pressChord(VK_SHIFT, VK_UP);
    pressChord(VK_SHIFT, VK_UP);
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{250, 200, 311, 238}));
}

TEST_F(RegionCaptureEditing, DraggingInsideMovesAndDraggingAGripResizes) {
    startTool("--region 250,200,60,40");
    dragMouse(POINT{280, 220}, POINT{300, 230});    // move by 20,10: now 270,210 .. 329,249
    dragMouse(POINT{329, 249}, POINT{339, 259});    // bottom-right grip: 270,210 .. 339,259
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{270, 210, 340, 260}));
}

TEST_F(RegionCaptureEditing, ANewDragOutsideStartsOver) {
    startTool("--region 250,200,60,40");
    dragMouse(POINT{400, 300}, POINT{449, 339});
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{400, 300, 450, 340}));
}

TEST_F(RegionCaptureEditing, DoubleClickInsideTheSelectionCopies) {
    startTool("--region 250,200,60,40");
    moveMouse(270, 220);
    mouseButton(true);
    mouseButton(false);
    mouseButton(true);
    mouseButton(false);
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(clipboardDib(), pattern_, RECT{250, 200, 310, 240}));
}

}  // namespace
