#pragma once
#include <windows.h>

#include "ui/window_description.h"

// The colour of pixel row y of a vertical gradient over height rows: the rows
// are split into (stops - 1) bands of height / (stops - 1) rows, each running
// from one stop toward the next; rows past the last band take the last stop.
COLORREF gradientRowColour(const Gradient& gradient, int height, int y);
