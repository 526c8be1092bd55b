#include <cstdlib>

#include "capture_fixture.h"

namespace {

using RegionCaptureSave = RegionCaptureFixture;

const RECT BOX = {260, 210, 340, 270};

BOOL CALLBACK findFolderName(HWND child, LPARAM found) {
    if (windowTextOf(child).find("no-such-folder") != std::string::npos) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

std::string freshPath(const char* name) {
    const std::string path = temporaryPath(name);
    DeleteFileA(path.c_str());
    return path;
}


TEST_F(RegionCaptureSave, OutWritesExactPixelsAsPngAndBmp) {
    const struct {
        const char* name;
        bool ownReader;  // BMP is read without any decoder in between
    } cases[] = {{"region-capture-test.png", false}, {"region-capture-test.bmp", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = freshPath(c.name);
        startTool("--region 260,210,80,60 --out \"" + path + "\"");
        pressKey(VK_RETURN);
        ASSERT_EQ(session_->waitForExit(), 0u);
        const TestImage image = c.ownReader ? imageFromBmpFile(path) : imageFromFile(path);
        EXPECT_TRUE(holdsPattern(image, pattern_, BOX));
        EXPECT_EQ(clipboardText(), CLIPBOARD_BEFORE) << "--out must not copy";
        DeleteFileA(path.c_str());
    }
}

TEST_F(RegionCaptureSave, OutWritesJpegOfTheRightSizeAndColours) {
    const std::string path = freshPath("region-capture-test.jpg");
    startTool("--region 260,210,80,60 --out \"" + path + "\"");
    pressKey(VK_RETURN);
    ASSERT_EQ(session_->waitForExit(), 0u);
    const std::string bytes = readWholeFile(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8) << "not a JPEG file";
    const TestImage image = imageFromFile(path);
    ASSERT_EQ(image.width, 80);
    ASSERT_EQ(image.height, 60);
    // The pattern is a smooth ramp here, so a lossy encoder stays close.
    long totalError = 0;
    int worst = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint32_t got = image.at(x, y), wanted = pattern_.colourAt(BOX.left + x, BOX.top + y);
            for (int shift = 0; shift <= 16; shift += 8) {
                const int error = std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((wanted >> shift) & 0xFF));
                totalError += error;
                worst = error > worst ? error : worst;
            }
        }
    EXPECT_LT(totalError / (3.0 * image.width * image.height), 4.0);
    EXPECT_LT(worst, 48);
    DeleteFileA(path.c_str());
}

TEST_F(RegionCaptureSave, AFailedSaveSaysWhyAndKeepsTheOverlay) {
    const std::string path = temporaryPath("no-such-folder\\capture.png");
    startTool("--region 260,210,80,60 --out \"" + path + "\"");
    pressKey(VK_RETURN);
    const HWND box = session_->waitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message about the failed save";
    // The message names the file.
    bool namesFile = false;
    EnumChildWindows(box, findFolderName, reinterpret_cast<LPARAM>(&namesFile));
    EXPECT_TRUE(namesFile);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return session_->overlayHasKeyboard(); }));
    EXPECT_TRUE(session_->running());
    pressKey(VK_ESCAPE);  // drops the selection
    pressKey(VK_ESCAPE);  // and leaves
    EXPECT_EQ(session_->waitForExit(), 1u);
}

}  // namespace
