#include <gtest/gtest.h>

#include <cstring>

#include "screen_image.h"
#include "support/test_support.h"
#include "ui/window_layer_state.h"

namespace {

// The window layer builds the main window inside the test process, so that
// the fonts of its BUTTON controls can be read with GetObject (GDI handles
// belong to their process). Nothing is raised: the created event is not.
class InProcessWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createMainWindow(mainWindowDescription)); }
    // Handlers stay quiet; the process ends with the test.
    void TearDown() override { windowLayer().ending = true; }

    HWND control(const char* name) {
        for (ControlInstance& control : windowLayer())
            if (std::strcmp(control.description->name, name) == 0) return control.hwnd;
        return nullptr;
    }
};

}  // namespace

TEST_F(InProcessWindow, SystemButtonsUseTheDesignedFonts) {
    struct Font {
        const char* control;
        LONG height;
    };
    static const Font fonts[] = {
        {"分组框1", -14}, {"单选框1", -12}, {"单选框2", -12}, {"单选框3", -12}};
    for (const Font& expected : fonts) {
        SCOPED_TRACE(expected.control);
        const HWND button = control(expected.control);
        ASSERT_NE(button, nullptr);
        const HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTA logFont = {};
        ASSERT_EQ(GetObjectA(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
        EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
        EXPECT_EQ(logFont.lfHeight, expected.height);
        EXPECT_EQ(logFont.lfWidth, 0);
        EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
        EXPECT_FALSE(logFont.lfItalic);
        EXPECT_FALSE(logFont.lfUnderline);
        EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(logFont.lfOutPrecision, OUT_DEFAULT_PRECIS);
        EXPECT_EQ(logFont.lfClipPrecision, CLIP_DEFAULT_PRECIS);
        EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
        EXPECT_EQ(logFont.lfPitchAndFamily, DEFAULT_PITCH);
    }
    // One font object per control, each kept for the control's life.
    EXPECT_NE(SendMessageA(control("单选框1"), WM_GETFONT, 0, 0), SendMessageA(control("单选框2"), WM_GETFONT, 0, 0));
}

TEST_F(InProcessWindow, ClassAndIconsAreAsDesigned) {
    const HWND main = windowLayer().hwnd;
    WNDCLASSA windowClass = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "WTWindow", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(windowClass.hbrBackground, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));

    // Both images of the program icon (linked into this test program too).
    struct Icon {
        WPARAM which;
        LONG size;
    };
    for (const Icon& expected : {Icon{ICON_BIG, 32}, Icon{ICON_SMALL, 16}}) {
        SCOPED_TRACE(expected.size);
        const HICON icon = reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, expected.which, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        ASSERT_NE(info.hbmColor, nullptr);
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, expected.size);
        EXPECT_EQ(colour.bmHeight, expected.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

// The pointer over the usage line shows the hand; over the title, which is
// disabled, it shows the arrow of the window beneath; back again the hand.
TEST_F(InProcessWindow, PointerShowsTheHandOnlyOverTheUsageLine) {
    const HWND main = windowLayer().hwnd;
    for (ControlInstance& control : windowLayer())
        ShowWindow(control.hwnd, control.description->visible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(main, SW_SHOW);
    SetForegroundWindow(main);
    const HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    struct Place {
        const char* control;
        POINT point;  // in the control
        HCURSOR cursor;
    };
    const Place places[] = {
        {"透明标签1", {132, 12}, hand},
        {"透明标签2", {88, 8}, arrow},
        {"透明标签1", {20, 12}, hand},
        {"背景色上", {20, 25}, arrow},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.control);
        POINT screen = place.point;
        ClientToScreen(control(place.control), &screen);
        SetCursorPos(screen.x, screen.y);
        EXPECT_TRUE(waitUntil([&] {
            pumpMessages();
            return GetCursor() == place.cursor;
        }, 5000));
    }
}

// The custom-drawn labels make their font for each paint; their text on the
// real screen is compared with the designed font in tests/window/pixels_test.
// Here: the Chinese texts come out as glyphs under Wine, not as boxes, which
// would all look alike.
TEST(ChineseText, RendersAsDistinctGlyphsInTheDesignedFonts) {
    struct Face {
        const char* name;
        int height;
    };
    static const Face faces[] = {{"Tahoma", -12}, {"Tahoma", -14}, {"宋体", -16}};
    const Image blank = uniformImage(20, 20, RGB(255, 255, 255));
    for (const Face& face : faces) {
        SCOPED_TRACE(face.name + std::to_string(face.height));
        const UINT format = DT_SINGLELINE | DT_NOCLIP;
        const Image zhuan = renderText("专", face.name, face.height, RGB(0, 0, 0), blank, format);
        const Image ye = renderText("业", face.name, face.height, RGB(0, 0, 0), blank, format);
        const Image jie = renderText("截", face.name, face.height, RGB(0, 0, 0), blank, format);
        EXPECT_NE(zhuan.pixels, blank.pixels);
        EXPECT_NE(zhuan.pixels, ye.pixels);
        EXPECT_NE(ye.pixels, jie.pixels);
    }
}
