#include "geometry.h"

namespace {
int smaller(int a, int b) { return a < b ? a : b; }
int larger(int a, int b) { return a > b ? a : b; }
int clamped(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }
}  // namespace

Box boxOfSize(int x, int y, int width, int height) { return Box{x, y, x + width, y + height}; }

Box intersection(const Box& a, const Box& b) {
    Box result{larger(a.left, b.left), larger(a.top, b.top), smaller(a.right, b.right), smaller(a.bottom, b.bottom)};
    if (result.empty()) return Box{0, 0, 0, 0};
    return result;
}

Box unionOf(const Box* boxes, int count) {
    Box result{0, 0, 0, 0};
    bool first = true;
    for (int i = 0; i < count; ++i) {
        if (boxes[i].empty()) continue;
        if (first) {
            result = boxes[i];
            first = false;
            continue;
        }
        result.left = smaller(result.left, boxes[i].left);
        result.top = smaller(result.top, boxes[i].top);
        result.right = larger(result.right, boxes[i].right);
        result.bottom = larger(result.bottom, boxes[i].bottom);
    }
    return result;
}

Box grown(const Box& box, int by) { return Box{box.left - by, box.top - by, box.right + by, box.bottom + by}; }

Point screenToCanvas(Point p, const Box& virtualScreen) {
    return Point{p.x - virtualScreen.left, p.y - virtualScreen.top};
}

Box screenToCanvas(const Box& box, const Box& virtualScreen) {
    return Box{box.left - virtualScreen.left, box.top - virtualScreen.top, box.right - virtualScreen.left,
               box.bottom - virtualScreen.top};
}

Box canvasToScreen(const Box& box, const Box& virtualScreen) {
    return Box{box.left + virtualScreen.left, box.top + virtualScreen.top, box.right + virtualScreen.left,
               box.bottom + virtualScreen.top};
}

Box dragBox(Point anchor, Point pointer) {
    return Box{smaller(anchor.x, pointer.x), smaller(anchor.y, pointer.y), larger(anchor.x, pointer.x) + 1,
               larger(anchor.y, pointer.y) + 1};
}

Box movedWithin(const Box& box, int dx, int dy, const Box& bounds) {
    const int left = clamped(box.left + dx, bounds.left, larger(bounds.left, bounds.right - box.width()));
    const int top = clamped(box.top + dy, bounds.top, larger(bounds.top, bounds.bottom - box.height()));
    return boxOfSize(left, top, box.width(), box.height());
}

Box resizedWithin(const Box& box, int dWidth, int dHeight, const Box& bounds) {
    Box result = box;
    result.right = clamped(box.right + dWidth, box.left + 1, larger(box.left + 1, bounds.right));
    result.bottom = clamped(box.bottom + dHeight, box.top + 1, larger(box.top + 1, bounds.bottom));
    return result;
}

bool canHoldPicture(int width, int height) {
    // GDI coordinates stop at 32767; two 32-bit buffers of 64 Mpixels each
    // (512 MiB) are what a 32-bit process can still expect to get.
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return false;
    return static_cast<long long>(width) * height <= 64LL * 1024 * 1024;
}
