#include <gtest/gtest.h>

#include "frame.h"
#include "magnifier_layout.h"

namespace {

const Box CANVAS{0, 0, 1024, 768};

TEST(RegionCaptureLayout, MagnifierStaysOnTheCanvasNextToThePointer) {
    const int width = MAGNIFIED_SPAN * ZOOM, height = MAGNIFIED_SPAN * ZOOM + MAGNIFIER_TEXT_HEIGHT;
    const struct {
        const char* where;
        Point pointer;
        Point topLeft;
    } cases[] = {
        {"middle", {300, 300}, {300 + MAGNIFIER_GAP, 300 + MAGNIFIER_GAP}},
        {"right edge", {1020, 300}, {1020 - MAGNIFIER_GAP - width, 300 + MAGNIFIER_GAP}},
        {"bottom edge", {300, 760}, {300 + MAGNIFIER_GAP, 760 - MAGNIFIER_GAP - height}},
        {"bottom-right corner", {1023, 767}, {1023 - MAGNIFIER_GAP - width, 767 - MAGNIFIER_GAP - height}},
    };
    for (const auto& c : cases) {
        const Box box = magnifierPlacement(c.pointer, CANVAS);
        EXPECT_EQ(box.left, c.topLeft.x) << c.where;
        EXPECT_EQ(box.top, c.topLeft.y) << c.where;
        EXPECT_FALSE(box.contains(c.pointer)) << c.where;
        EXPECT_TRUE(intersection(box, CANVAS) == box) << c.where;
    }
}

TEST(RegionCaptureLayout, ColourTexts) {
    char decimal[32], hex[16];
    colourTexts(0x0A0BFF, decimal, hex);
    EXPECT_STREQ(decimal, "RGB(10, 11, 255)");
    EXPECT_STREQ(hex, "#0A0BFF");
}

TEST(RegionCaptureLayout, ReadoutGoesAboveOrInsideWhenThereIsNoRoom) {
    const Box above = readoutBox(Box{100, 100, 300, 200}, CANVAS);
    EXPECT_LE(above.bottom, 100);
    const Box inside = readoutBox(Box{100, 0, 300, 200}, CANVAS);
    EXPECT_GE(inside.top, 0);
    const Box atRight = readoutBox(Box{1000, 100, 1024, 200}, CANVAS);
    EXPECT_LE(atRight.right, 1024);
}

TEST(RegionCaptureLayout, DecorationsCoverEverythingAFrameDrawsOverThePicture) {
    Frame frame = {};
    frame.canvas = CANVAS;
    frame.hasSelection = true;
    frame.selection = Box{100, 100, 300, 200};
    frame.showGrips = true;
    Box boxes[MAX_DECORATIONS];
    const int count = decorationsOf(frame, boxes);
    // The selection with its border and grips must be repainted when it changes.
    bool coversSelection = false;
    for (int i = 0; i < count; ++i)
        coversSelection |= intersection(boxes[i], grown(frame.selection, GRIP_SIZE / 2 + 1)) ==
                           grown(frame.selection, GRIP_SIZE / 2 + 1);
    EXPECT_TRUE(coversSelection);

    frame.hasSelection = false;
    frame.showPointerAids = true;
    frame.pointer = Point{500, 400};
    const int aids = decorationsOf(frame, boxes);
    bool crossesRow = false, crossesColumn = false;
    for (int i = 0; i < aids; ++i) {
        crossesRow |= boxes[i] == Box{0, 400, 1024, 401};
        crossesColumn |= boxes[i] == Box{500, 0, 501, 768};
    }
    EXPECT_TRUE(crossesRow && crossesColumn);
}

}  // namespace
