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

namespace {

BOOL CALLBACK describeChild(HWND child, LPARAM out) {
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    *reinterpret_cast<std::string*>(out) += std::to_string(GetDlgCtrlID(child)) + " " + className + " " +
                                             (IsWindowVisible(child) ? "visible " : "hidden ") + windowTextOf(child) + "\n";
    return TRUE;
}

// The file name box of the standard Save dialog (cmb13 on Windows, edt1 on Wine).
HWND fileNameBox(HWND dialog) {
    const int ids[] = {0x47C, 0x480};
    for (int id : ids) {
        HWND box = GetDlgItem(dialog, id);
        if (box && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

TEST_F(RegionCaptureSave, CtrlSOffersADatedPngNameAndSavesWhereTheUserSays) {
    const std::string path = freshPath("region-capture-dialog.png");
    startTool("--region 260,210,80,60");
    pressChord(VK_CONTROL, 'S');
    const HWND dialog = session_->waitForMessageBox();
    ASSERT_NE(dialog, nullptr) << "no Save dialog";
    HWND nameBox = nullptr;
    // The dialog fills the box once it has finished starting.
    std::string offered;
    ASSERT_TRUE(waitUntil([&] {
        nameBox = fileNameBox(dialog);
        return nameBox && !(offered = windowTextOf(nameBox)).empty();
    })) << "the file name box stayed empty; the dialog holds:\n" << [&] {
        std::string children;
        EnumChildWindows(dialog, describeChild, reinterpret_cast<LPARAM>(&children));
        return children;
    }();
    EXPECT_EQ(offered.rfind("截图_", 0), 0u) << offered;
    EXPECT_EQ(offered.size(), std::string("截图_20240131_235959.png").size()) << offered;
    EXPECT_NE(offered.find(".png"), std::string::npos) << offered;

    SetWindowTextA(nameBox, path.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_EQ(session_->waitForExit(), 0u);
    EXPECT_TRUE(holdsPattern(imageFromFile(path), pattern_, BOX));
    DeleteFileA(path.c_str());
}

}  // namespace
