#pragma once
#include <windows.h>

#include "frame.h"
#include "picture.h"

// Draws frames of the overlay: the frozen picture dimmed, the selection
// undimmed with its border, grips and readout, the window outline, the
// crosshair and the magnifier. Composes in the back buffer, then copies
// the damaged parts to the window.
class FramePainter {
public:
    FramePainter(const Picture& frozen, Picture& back);
    FramePainter(const FramePainter&) = delete;
    FramePainter& operator=(const FramePainter&) = delete;

    // update is the part of the window to repaint (in canvas coordinates).
    void paint(const Frame& frame, HRGN update, HDC window);

private:
    void compose(const Frame& frame, const Box& area);
    void drawDecorations(const Frame& frame);
    void drawSelection(const Frame& frame);
    void drawMagnifier(const Frame& frame);
    void fill(const Box& box, HBRUSH brush);

    const Picture& frozen_;
    Picture& back_;
    UniqueBrush accent_;
    UniqueBrush black_;
    UniqueBrush white_;
    UniqueFont font_;
};
