#pragma once
#include "geometry.h"

// What one picture of the overlay shows, in canvas coordinates.
struct Frame {
    Box canvas;
    bool hasSelection;
    Box selection;
    bool showGrips;
    bool showHover;  // the outline of the window under the pointer
    Box hover;
    bool showPointerAids;  // crosshair and magnifier
    Point pointer;
};

constexpr int MAX_DECORATIONS = 10;
constexpr int HOVER_LINE = 2;
constexpr int GRIP_SIZE = 5;

// Where the "W × H" readout of a selection goes: above its top-left
// corner, or just inside when there is no room above.
Box readoutBox(const Box& selection, const Box& canvas);

// The boxes a frame draws on top of the dimmed picture; what must be
// repainted when a frame replaces another is the old and the new boxes.
int decorationsOf(const Frame& frame, Box* boxes);
