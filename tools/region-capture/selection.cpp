#include "selection.h"

namespace {
int distance(int a, int b) { return a > b ? a - b : b - a; }

bool near(int value, int edge) { return distance(value, edge) <= GRIP_REACH; }
}  // namespace

Grip gripAt(const Box& box, Point p) {
    if (box.empty()) return Grip::Outside;
    // The right and bottom grips sit on the last pixel inside the box.
    const int lastX = box.right - 1, lastY = box.bottom - 1;
    if (p.x < box.left - GRIP_REACH || p.x > lastX + GRIP_REACH || p.y < box.top - GRIP_REACH ||
        p.y > lastY + GRIP_REACH)
        return Grip::Outside;
    // From inside, a box too small to have a middle is moved, not resized.
    const bool inside = box.contains(p);
    const bool roomX = !inside || box.width() > 2 * GRIP_REACH + 2;
    const bool roomY = !inside || box.height() > 2 * GRIP_REACH + 2;
    const bool left = roomX && near(p.x, box.left) && distance(p.x, box.left) <= distance(p.x, lastX);
    const bool right = roomX && !left && near(p.x, lastX);
    const bool top = roomY && near(p.y, box.top) && distance(p.y, box.top) <= distance(p.y, lastY);
    const bool bottom = roomY && !top && near(p.y, lastY);
    if (top) return left ? Grip::TopLeft : (right ? Grip::TopRight : Grip::Top);
    if (bottom) return left ? Grip::BottomLeft : (right ? Grip::BottomRight : Grip::Bottom);
    if (left) return Grip::Left;
    if (right) return Grip::Right;
    return inside ? Grip::Inside : Grip::Outside;
}

Box resizedByGrip(const Box& original, Grip grip, Point pointer) {
    // Each moving edge is dragged against the opposite, fixed edge pixel.
    int fixedX = original.left, movingX = original.right - 1;
    int fixedY = original.top, movingY = original.bottom - 1;
    switch (grip) {
    case Grip::TopLeft: case Grip::Left: case Grip::BottomLeft:
        fixedX = original.right - 1;
        movingX = pointer.x;
        break;
    case Grip::TopRight: case Grip::Right: case Grip::BottomRight:
        movingX = pointer.x;
        break;
    default:
        break;
    }
    switch (grip) {
    case Grip::TopLeft: case Grip::Top: case Grip::TopRight:
        fixedY = original.bottom - 1;
        movingY = pointer.y;
        break;
    case Grip::BottomLeft: case Grip::Bottom: case Grip::BottomRight:
        movingY = pointer.y;
        break;
    default:
        break;
    }
    if (grip == Grip::Inside || grip == Grip::Outside) return original;
    return dragBox(Point{fixedX, fixedY}, Point{movingX, movingY});
}

void Selection::select(const Box& box) {
    box_ = intersection(box, canvas_);
    phase_ = box_.empty() ? Phase::Choosing : Phase::Selected;
}

void Selection::press(Point p) {
    pressed_ = p;
    original_ = box_;
    grip_ = phase_ == Phase::Selected ? gripAt(box_, p) : Grip::Outside;
    if (grip_ == Grip::Inside) phase_ = Phase::Moving;
    else if (grip_ != Grip::Outside) phase_ = Phase::Resizing;
    else phase_ = Phase::Pressed;
}

void Selection::drag(Point p) {
    switch (phase_) {
    case Phase::Pressed:
        if (distance(p.x, pressed_.x) < DRAG_START && distance(p.y, pressed_.y) < DRAG_START) return;
        phase_ = Phase::Drawing;
        [[fallthrough]];
    case Phase::Drawing:
        box_ = intersection(dragBox(pressed_, p), canvas_);
        break;
    case Phase::Moving:
        box_ = movedWithin(original_, p.x - pressed_.x, p.y - pressed_.y, canvas_);
        break;
    case Phase::Resizing:
        box_ = intersection(resizedByGrip(original_, grip_, p), canvas_);
        break;
    default:
        break;
    }
}

void Selection::release(Point p, const Box& windowBox) {
    drag(p);
    if (phase_ == Phase::Pressed) {
        select(windowBox);
        return;
    }
    if (phase_ == Phase::Drawing || phase_ == Phase::Moving || phase_ == Phase::Resizing) {
        phase_ = box_.empty() ? Phase::Choosing : Phase::Selected;
    }
}

void Selection::moveBy(int dx, int dy) {
    if (phase_ == Phase::Selected) box_ = movedWithin(box_, dx, dy, canvas_);
}

void Selection::resizeBy(int dWidth, int dHeight) {
    if (phase_ == Phase::Selected) box_ = resizedWithin(box_, dWidth, dHeight, canvas_);
}

bool Selection::drop() {
    const bool had = phase_ != Phase::Choosing;
    phase_ = Phase::Choosing;
    box_ = Box{0, 0, 0, 0};
    return had;
}
