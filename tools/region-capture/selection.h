#pragma once
#include "geometry.h"

// Where the pointer is against a chosen box: on one of its eight grips,
// inside it, or elsewhere.
enum class Grip { Outside, Inside, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

// How far from a corner or an edge the pointer still takes hold of it.
constexpr int GRIP_REACH = 4;

Grip gripAt(const Box& box, Point p);
// The box after dragging one grip from the box's original edges to the pointer.
Box resizedByGrip(const Box& original, Grip grip, Point pointer);

enum class Phase {
    Choosing,  // nothing chosen yet: a window outline follows the pointer
    Pressed,   // button down, not yet moved far enough to be a drag
    Drawing,   // drawing a new box
    Selected,  // a box is chosen
    Moving,    // dragging the chosen box
    Resizing,  // dragging one of its grips
};

// The selection on the canvas and what the mouse and keys do to it.
class Selection {
public:
    explicit Selection(const Box& canvas) : canvas_(canvas) {}

    Phase phase() const { return phase_; }
    bool hasBox() const { return phase_ == Phase::Selected || phase_ == Phase::Drawing ||
                                 phase_ == Phase::Moving || phase_ == Phase::Resizing; }
    // True between a press and its release.
    bool buttonHeld() const { return phase_ == Phase::Pressed || phase_ == Phase::Drawing ||
                                     phase_ == Phase::Moving || phase_ == Phase::Resizing; }
    const Box& box() const { return box_; }
    Grip heldGrip() const { return grip_; }
    // True while the user is still choosing, which is when the magnifier shows.
    bool choosing() const { return phase_ != Phase::Selected && phase_ != Phase::Moving; }

    void select(const Box& box);
    void press(Point p);
    void drag(Point p);
    // A release without a drag takes the window box under the pointer.
    void release(Point p, const Box& windowBox);
    void moveBy(int dx, int dy);
    void resizeBy(int dWidth, int dHeight);
    // Drops the box; false when there was none to drop.
    bool drop();

private:
    // A press becomes a drag once the pointer has left this distance.
    static constexpr int DRAG_START = 3;

    Box canvas_;
    Box box_{0, 0, 0, 0};
    Box original_{0, 0, 0, 0};
    Point pressed_{0, 0};
    Grip grip_ = Grip::Outside;
    Phase phase_ = Phase::Choosing;
};
