#include <gtest/gtest.h>

#include "box_printing.h"

#include "selection.h"

namespace {

const Box CANVAS{0, 0, 1000, 800};
const Box NO_WINDOW{0, 0, 0, 0};

TEST(RegionCaptureSelection, GripsAroundABox) {
    const Box box{100, 100, 200, 150};  // last pixel 199,149
    const struct {
        Point p;
        Grip expected;
    } cases[] = {
        {{100, 100}, Grip::TopLeft},     {{97, 97}, Grip::TopLeft},      {{150, 100}, Grip::Top},
        {{199, 100}, Grip::TopRight},    {{203, 96}, Grip::TopRight},    {{199, 120}, Grip::Right},
        {{199, 149}, Grip::BottomRight}, {{150, 152}, Grip::Bottom},     {{100, 149}, Grip::BottomLeft},
        {{96, 120}, Grip::Left},         {{150, 120}, Grip::Inside},     {{95, 120}, Grip::Outside},
        {{150, 154}, Grip::Outside},     {{300, 300}, Grip::Outside},
    };
    for (const auto& c : cases) EXPECT_EQ(gripAt(box, c.p), c.expected) << c.p.x << "," << c.p.y;
}

TEST(RegionCaptureSelection, ASmallBoxIsMovedFromInsideAndResizedFromOutside) {
    const Box box{100, 100, 104, 104};
    EXPECT_EQ(gripAt(box, Point{101, 101}), Grip::Inside);
    EXPECT_EQ(gripAt(box, Point{98, 101}), Grip::TopLeft);  // near two edges at once
    EXPECT_EQ(gripAt(box, Point{106, 106}), Grip::BottomRight);
}

TEST(RegionCaptureSelection, DraggingAGripMovesOnlyItsEdgesAndMayCrossOver) {
    const Box box{100, 100, 200, 150};
    const struct {
        Grip grip;
        Point pointer;
        Box expected;
    } cases[] = {
        {Grip::Right, {249, 400}, {100, 100, 250, 150}},
        {Grip::Left, {120, 0}, {120, 100, 200, 150}},
        {Grip::Top, {0, 90}, {100, 90, 200, 150}},
        {Grip::BottomRight, {219, 169}, {100, 100, 220, 170}},
        {Grip::TopLeft, {250, 160}, {199, 149, 251, 161}},  // dragged past the opposite corner
        {Grip::Left, {300, 0}, {199, 100, 301, 150}},
    };
    for (const auto& c : cases) EXPECT_EQ(resizedByGrip(box, c.grip, c.pointer), c.expected) << int(c.grip);
}

TEST(RegionCaptureSelection, AClickTakesTheWindowAndADragDrawsABox) {
    Selection clicked(CANVAS);
    clicked.press(Point{50, 50});
    clicked.drag(Point{51, 52});  // a jitter, not a drag
    clicked.release(Point{51, 52}, Box{10, 20, 300, 200});
    EXPECT_EQ(clicked.phase(), Phase::Selected);
    EXPECT_EQ(clicked.box(), (Box{10, 20, 300, 200}));

    Selection dragged(CANVAS);
    dragged.press(Point{50, 50});
    dragged.drag(Point{80, 70});
    EXPECT_EQ(dragged.phase(), Phase::Drawing);
    dragged.release(Point{149, 89}, Box{10, 20, 300, 200});
    EXPECT_EQ(dragged.phase(), Phase::Selected);
    EXPECT_EQ(dragged.box(), (Box{50, 50, 150, 90}));
}

TEST(RegionCaptureSelection, DragsInsideMoveOnGripsResizeAndOutsideStartOver) {
    Selection selection(CANVAS);
    selection.select(Box{100, 100, 200, 150});

    selection.press(Point{150, 120});
    selection.drag(Point{1500, 120});  // far past the right edge: stops there
    selection.release(Point{1500, 120}, NO_WINDOW);
    EXPECT_EQ(selection.box(), (Box{900, 100, 1000, 150}));

    selection.press(Point{900, 149});  // bottom-left grip
    selection.release(Point{850, 179}, NO_WINDOW);
    EXPECT_EQ(selection.box(), (Box{850, 100, 1000, 180}));

    selection.press(Point{10, 10});
    selection.drag(Point{40, 40});
    EXPECT_EQ(selection.phase(), Phase::Drawing);
    selection.release(Point{40, 40}, NO_WINDOW);
    EXPECT_EQ(selection.box(), (Box{10, 10, 41, 41}));
}

TEST(RegionCaptureSelection, DropClearsTheBoxAndSaysWhetherThereWasOne) {
    Selection selection(CANVAS);
    EXPECT_FALSE(selection.drop());
    selection.select(Box{-50, -50, 20, 20});  // clipped to the canvas
    EXPECT_EQ(selection.box(), (Box{0, 0, 20, 20}));
    EXPECT_TRUE(selection.drop());
    EXPECT_EQ(selection.phase(), Phase::Choosing);
    EXPECT_FALSE(selection.drop());
}

TEST(RegionCaptureSelection, KeysMoveAndResizeOnlyAChosenBox) {
    Selection selection(CANVAS);
    selection.moveBy(1, 0);
    EXPECT_EQ(selection.phase(), Phase::Choosing);
    selection.select(Box{10, 10, 20, 20});
    selection.moveBy(1, 0);
    selection.moveBy(0, -1);
    selection.resizeBy(2, 0);
    EXPECT_EQ(selection.box(), (Box{11, 9, 23, 19}));
}

}  // namespace
