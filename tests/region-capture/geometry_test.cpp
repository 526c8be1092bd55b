#include <gtest/gtest.h>

#include "box_printing.h"

#include "geometry.h"

namespace {

struct Layout {
    const char* name;
    Box monitors[3];
    int count;
    Box virtualScreen;
    Point screenPoint;   // a point on the screen...
    Point canvasPoint;   // ...and where it is on the frozen picture
};

const Layout LAYOUTS[] = {
    {"single", {{0, 0, 1024, 768}}, 1, {0, 0, 1024, 768}, {10, 20}, {10, 20}},
    {"second monitor left of the primary",
     {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}, 2, {-1280, 0, 1920, 1080}, {-1280, 5}, {0, 5}},
    {"monitor above the primary",
     {{0, 0, 1920, 1080}, {0, -1440, 2560, 0}}, 2, {0, -1440, 2560, 1080}, {100, -1}, {100, 1439}},
    {"negative origins both ways",
     {{0, 0, 1600, 900}, {-1920, -300, 0, 780}}, 2, {-1920, -300, 1600, 900}, {0, 0}, {1920, 300}},
    {"portrait monitor right, lower",
     {{0, 0, 1920, 1080}, {1920, 200, 3000, 2120}}, 2, {0, 0, 3000, 2120}, {2999, 2119}, {2999, 2119}},
    {"three in a row around the primary",
     {{-1920, 0, 0, 1080}, {0, 0, 1920, 1080}, {1920, -100, 3840, 980}}, 3, {-1920, -100, 3840, 1080},
     {3839, -100}, {5759, 0}},
};

TEST(RegionCaptureGeometry, VirtualScreenMapsEveryLayoutToACanvasFromZero) {
    for (const Layout& layout : LAYOUTS) {
        SCOPED_TRACE(layout.name);
        const Box screen = unionOf(layout.monitors, layout.count);
        EXPECT_EQ(screen, layout.virtualScreen);
        const Point mapped = screenToCanvas(layout.screenPoint, screen);
        EXPECT_EQ(mapped.x, layout.canvasPoint.x);
        EXPECT_EQ(mapped.y, layout.canvasPoint.y);
        // Each monitor lands inside the canvas and maps back unchanged.
        const Box canvas{0, 0, screen.width(), screen.height()};
        for (int i = 0; i < layout.count; ++i) {
            const Box onCanvas = screenToCanvas(layout.monitors[i], screen);
            EXPECT_EQ(intersection(onCanvas, canvas), onCanvas) << layout.monitors[i];
            EXPECT_EQ(canvasToScreen(onCanvas, screen), layout.monitors[i]);
        }
    }
}

TEST(RegionCaptureGeometry, DragBoxHoldsBothEndPixelsWhicheverWayTheDragGoes) {
    const struct {
        Point anchor, pointer;
        Box expected;
    } cases[] = {
        {{10, 10}, {10, 10}, {10, 10, 11, 11}},
        {{10, 10}, {19, 14}, {10, 10, 20, 15}},
        {{19, 14}, {10, 10}, {10, 10, 20, 15}},
        {{19, 10}, {10, 14}, {10, 10, 20, 15}},
        {{-5, 3}, {2, -1}, {-5, -1, 3, 4}},
    };
    for (const auto& c : cases) EXPECT_EQ(dragBox(c.anchor, c.pointer), c.expected) << c.anchor.x << "," << c.anchor.y;
}

TEST(RegionCaptureGeometry, MovingAndResizingStayInsideTheBounds) {
    const Box bounds{0, 0, 100, 80};
    const struct {
        const char* what;
        Box box;
        int dx, dy;
        bool resize;
        Box expected;
    } cases[] = {
        {"move right", {10, 10, 30, 20}, 1, 0, false, {11, 10, 31, 20}},
        {"move up-left", {10, 10, 30, 20}, -1, -1, false, {9, 9, 29, 19}},
        {"move stops at the left edge", {0, 10, 20, 20}, -1, 0, false, {0, 10, 20, 20}},
        {"move stops at the bottom edge", {10, 70, 20, 80}, 0, 5, false, {10, 70, 20, 80}},
        {"grow width", {10, 10, 30, 20}, 1, 0, true, {10, 10, 31, 20}},
        {"shrink height", {10, 10, 30, 20}, 0, -1, true, {10, 10, 30, 19}},
        {"never below one pixel", {10, 10, 11, 11}, -1, -1, true, {10, 10, 11, 11}},
        {"never past the right edge", {10, 10, 100, 20}, 1, 0, true, {10, 10, 100, 20}},
    };
    for (const auto& c : cases) {
        const Box result = c.resize ? resizedWithin(c.box, c.dx, c.dy, bounds) : movedWithin(c.box, c.dx, c.dy, bounds);
        EXPECT_EQ(result, c.expected) << c.what;
    }
}

TEST(RegionCaptureGeometry, ScreensTooLargeToHoldAreRefused) {
    const struct {
        int width, height;
        bool holds;
    } cases[] = {
        {1024, 768, true},   {3840, 2160, true}, {7680, 4320, true}, {3 * 7680, 4320, false},
        {32768, 100, false}, {0, 768, false},    {8192, 8192, true}, {8193, 8192, false},
    };
    for (const auto& c : cases) EXPECT_EQ(canHoldPicture(c.width, c.height), c.holds) << c.width << "x" << c.height;
}

}  // namespace
