#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "screen_image.h"
#include "shown_launcher.h"

// The shown window read back from the real screen, in window coordinates.
namespace {

constexpr COLORREF OUTLINE = RGB(0, 136, 255);
constexpr COLORREF ICON_BACKGROUND = RGB(50, 187, 239);
const RECT ICON = {8, 8, 24, 24};
const RECT TITLE = {32, 8, 208, 24};
const RECT TABS = {212, 0, 280, 19};
const RECT USAGE_LINE = {8, 79, 272, 103};

const char TITLE_TEXT[] = "Zelvik专业截图1.0 卍 Zelvik 卐";
const char USAGE_TEXT[] = "使用方法：按住F2开始/结束截屏 QQ88006688";

bool inside(const RECT& rect, int x, int y) { return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom; }

// Reports the first few differing pixels of two pictures of one place.
::testing::AssertionResult samePixels(const Image& actual, const Image& expected, POINT origin) {
    if (actual.width != expected.width || actual.height != expected.height)
        return ::testing::AssertionFailure() << "sizes differ";
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (actual.at(x, y) != expected.at(x, y) && ++differing <= 5)
                first += " (" + std::to_string(origin.x + x) + "," + std::to_string(origin.y + y) +
                         ") is " + describeColour(actual.at(x, y)) + " not " + describeColour(expected.at(x, y)) + ";";
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ:" << first;
}

class WindowPixels : public ShownLauncher {
protected:
    void SetUp() override {
        ShownLauncher::SetUp();
        if (HasFatalFailure()) return;
        shot = captureSettledWindow(windows.main);
        ASSERT_EQ(shot.width, 280);
        ASSERT_EQ(shot.height, 110);
    }
    // The pixels of one row or column that differ from `colour`.
    void expectLine(POINT from, POINT step, int count, COLORREF colour, const char* what) {
        int wrong = 0;
        for (int i = 0; i < count; ++i) {
            const int x = from.x + step.x * i;
            const int y = from.y + step.y * i;
            if (shot.at(x, y) != colour && ++wrong <= 3)
                ADD_FAILURE() << what << ": (" << x << "," << y << ") is " << describeColour(shot.at(x, y))
                              << ", not " << describeColour(colour);
        }
    }
    Image shot;
};

}  // namespace

TEST_F(WindowPixels, HeaderRowsOutlineAndTabs) {
    struct HeaderRow {
        int row;  // in the header's own coordinates
        COLORREF colour;
    };
    static const HeaderRow rows[] = {
        {0, RGB(86, 197, 243)}, {15, RGB(50, 185, 239)}, {29, RGB(33, 179, 239)}};
    for (const HeaderRow& row : rows) {
        SCOPED_TRACE("header row " + std::to_string(row.row));
        const int y = row.row + 1;
        for (int x = 1; x < 280; ++x)
            if (!inside(ICON, x, y) && !inside(TITLE, x, y) && !inside(TABS, x, y) && shot.at(x, y) != row.colour) {
                ADD_FAILURE() << "(" << x << "," << y << ") is " << describeColour(shot.at(x, y)) << ", not "
                              << describeColour(row.colour);
                break;
            }
    }

    EXPECT_EQ(shot.at(0, 0), OUTLINE);
    EXPECT_EQ(shot.at(279, 109), OUTLINE);
    expectLine({0, 0}, {0, 1}, 110, OUTLINE, "left edge");
    expectLine({0, 109}, {1, 0}, 280, OUTLINE, "bottom edge");
    expectLine({0, 0}, {1, 0}, 212, OUTLINE, "top edge left of the tabs");
    // The header (279 wide from x = 1) covers the right edge down to row 30.
    expectLine({279, 31}, {0, 1}, 79, OUTLINE, "right edge below the header");

    // The tabs show their normal pictures, row 0 included.
    const Image minimise = zelvikBitmap(IDB_MINIMISE_NORMAL);
    const Image close = zelvikBitmap(IDB_CLOSE_NORMAL);
    ASSERT_EQ(minimise.width, 26);
    ASSERT_EQ(close.width, 42);
    EXPECT_TRUE(samePixels(crop(shot, {212, 0, 238, 19}), minimise, {212, 0}));
    EXPECT_TRUE(samePixels(crop(shot, {238, 0, 280, 19}), close, {238, 0}));
    for (int x = 212; x < 280; ++x) EXPECT_NE(shot.at(x, 0), OUTLINE) << "tab row 0 at x " << x;
}

TEST_F(WindowPixels, TitleIsWhiteTahoma12InsideItsLabel) {
    int white = 0;
    for (int y = 1; y < 31; ++y)
        for (int x = 1; x < 280; ++x) {
            if (inside(ICON, x, y) || inside(TABS, x, y) || shot.at(x, y) != RGB(255, 255, 255)) continue;
            ++white;
            EXPECT_TRUE(inside(TITLE, x, y)) << "white at (" << x << "," << y << ")";
        }
    EXPECT_GT(white, 100);

    // The title over the header's real rows, drawn here with the designed font,
    // left-aligned and vertically centred, must match the screen pixel for pixel.
    Image background = uniformImage(176, 16, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 176; ++x) background.pixels[y * 176 + x] = shot.at(4, TITLE.top + y);
    const UINT format = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
    const Image expected = renderText(TITLE_TEXT, "Tahoma", -12, RGB(255, 255, 255), background, format);
    EXPECT_TRUE(samePixels(crop(shot, TITLE), expected, {TITLE.left, TITLE.top}));
    // The comparison tells the sizes apart.
    EXPECT_NE(renderText(TITLE_TEXT, "Tahoma", -14, RGB(255, 255, 255), background, format).pixels,
              expected.pixels);
}

TEST_F(WindowPixels, UsageLineIsBlackTahoma12CentredOnButtonFace) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const UINT format = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    const Image background = uniformImage(264, 24, face);
    const Image expected = renderText(USAGE_TEXT, "Tahoma", -12, RGB(0, 0, 0), background, format);
    EXPECT_TRUE(samePixels(crop(shot, USAGE_LINE), expected, {USAGE_LINE.left, USAGE_LINE.top}));
    EXPECT_NE(renderText(USAGE_TEXT, "Tahoma", -14, RGB(0, 0, 0), background, format).pixels, expected.pixels);
    // Centred: as much room on the left of the ink as on the right, give or take a pixel.
    const RECT ink = inkBox(shot, USAGE_LINE, [](COLORREF c) { return GetRValue(c) < 100; });
    ASSERT_LT(ink.left, ink.right);
    EXPECT_LE(std::abs((ink.left - USAGE_LINE.left) - (USAGE_LINE.right - ink.right)), 1) << describeRect(ink);
}

TEST_F(WindowPixels, IconEdgesBlendWithThePictureBoxColour) {
    COLORREF plain[16];
    COLORREF header[16];
    for (int y = 0; y < 16; ++y) {
        plain[y] = ICON_BACKGROUND;
        header[y] = shot.at(4, ICON.top + y);  // the gradient beside the icon
    }
    const Image overPictureBox = zelvikIconOver(plain);
    const Image overHeader = zelvikIconOver(header);
    ASSERT_EQ(overPictureBox.width, 16);
    EXPECT_NE(overPictureBox.pixels, overHeader.pixels) << "the icon has blended edge pixels";
    EXPECT_TRUE(samePixels(crop(shot, ICON), overPictureBox, {ICON.left, ICON.top}));
}

TEST_F(WindowPixels, TheRestIsButtonFace) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Area {
        const char* what;
        RECT rect;
    };
    static const Area areas[] = {
        {"left of the group box", {1, 31, 7, 109}},
        {"right of the group box", {272, 31, 279, 109}},
        {"between the group box and the usage line", {1, 72, 279, 79}},
        {"below the usage line", {1, 103, 279, 109}},
        {"inside the group box under the radio buttons", {10, 64, 269, 68}},
    };
    for (const Area& area : areas) {
        SCOPED_TRACE(area.what);
        const RECT other = inkBox(shot, area.rect, [face](COLORREF c) { return c != face; });
        EXPECT_EQ(other.right, 0) << "not button face within " << describeRect(other) << ", e.g. "
                                  << describeColour(shot.at(other.left, other.top));
    }
}
