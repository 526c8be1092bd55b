#pragma once

// Plain geometry of a capture: boxes on the virtual screen and on the frozen
// picture (the canvas), whose top-left is the virtual screen's top-left.

struct Point {
    int x;
    int y;
};

// A box of whole pixels; right and bottom lie just outside it.
struct Box {
    int left;
    int top;
    int right;
    int bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

inline bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Box& a, const Box& b) { return !(a == b); }

Box boxOfSize(int x, int y, int width, int height);
Box intersection(const Box& a, const Box& b);
Box unionOf(const Box* boxes, int count);
Box grown(const Box& box, int by);

// The virtual screen is the union of all monitors; the canvas puts its
// top-left corner at 0,0 whatever the monitors' origins.
Point screenToCanvas(Point p, const Box& virtualScreen);
Box screenToCanvas(const Box& box, const Box& virtualScreen);
Box canvasToScreen(const Box& box, const Box& virtualScreen);

// The box a drag spans: both the pressed pixel and the pixel under the
// pointer belong to it, whichever way the drag went.
Box dragBox(Point anchor, Point pointer);

// Moves a box by an offset but keeps it whole inside the bounds.
Box movedWithin(const Box& box, int dx, int dy, const Box& bounds);
// Grows or shrinks the right and bottom edges, keeping at least one pixel
// and staying inside the bounds.
Box resizedWithin(const Box& box, int dWidth, int dHeight, const Box& bounds);

// Whether a picture of this size can be held twice (frozen and back buffer)
// in a 32-bit process.
bool canHoldPicture(int width, int height);
