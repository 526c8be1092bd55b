// The whole chain: the launcher's region method deploys our tool, starts it,
// stays blocked until it exits, and the picture is on the clipboard after.
#include <gtest/gtest.h>

#include "capture_session.h"
#include "pattern_window.h"
#include "test_images.h"

namespace {

// The tool's overlay: a topmost window of neither this process nor the launcher.
HWND findOverlay(DWORD launcherId) {
    return findTopLevelWindow([&](HWND hwnd) {
        const DWORD owner = windowProcessId(hwnd);
        return owner != launcherId && owner != GetCurrentProcessId() && IsWindowVisible(hwnd) &&
               (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    });
}

bool launcherAnswers(HWND main) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 300, &result) != 0;
}

}  // namespace

TEST(RegionCaptureFromTheLauncher, TheRegionMethodRunsOurToolAndThePictureOutlivesIt) {
    removeTree(TOOL_PATH);
    PatternWindow pattern(250, 150, 320, 160);
    ASSERT_TRUE(pattern.waitUntilShown());
    ZelvikWindows windows;
    ChildProcess launcher = startZelvik(windows);
    ASSERT_TRUE(launcher.running());
    EXPECT_EQ(readWholeFile(TOOL_PATH), readWholeFile(binPath("region-capture.exe")));

    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    FocusWindow focus;
    pressKey(VK_F2);
    HWND overlay = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (overlay = findOverlay(launcher.id())) != nullptr; }, 20000));
    // The launcher waits for the tool without handling messages.
    EXPECT_FALSE(launcherAnswers(windows.main));
    EXPECT_EQ(windowText(windows.control(ID_STATE_LABEL)), "正在运行");

    dragMouse(POINT{300, 180}, POINT{399, 239});
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return windowText(windows.control(ID_STATE_LABEL)) == "已经停止"; }, 20000));
    EXPECT_TRUE(launcherAnswers(windows.main));
    const TestImage picture = clipboardDib();
    ASSERT_EQ(picture.width, 100);
    ASSERT_EQ(picture.height, 60);
    for (int y = 0; y < picture.height; y += 7)
        for (int x = 0; x < picture.width; x += 7)
            ASSERT_EQ(picture.at(x, y), pattern.colourAt(300 + x, 180 + y)) << x << "," << y;
    PostMessageA(windows.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(launcher.waitForExit(), 0u);
    removeTree(TOOL_PATH);
}
