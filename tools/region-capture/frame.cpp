#include "frame.h"

#include "magnifier_layout.h"

namespace {
constexpr int READOUT_WIDTH = 120;
constexpr int READOUT_HEIGHT = 20;

// Outlines are drawn as four strips, so the inside of a big box is not redrawn.
int outlineStrips(const Box& box, int thickness, Box* out) {
    out[0] = Box{box.left, box.top, box.right, box.top + thickness};
    out[1] = Box{box.left, box.bottom - thickness, box.right, box.bottom};
    out[2] = Box{box.left, box.top, box.left + thickness, box.bottom};
    out[3] = Box{box.right - thickness, box.top, box.right, box.bottom};
    return 4;
}
}  // namespace

Box readoutBox(const Box& selection, const Box& canvas) {
    int top = selection.top - READOUT_HEIGHT - 2;
    if (top < canvas.top) top = selection.top + 2;
    int left = selection.left;
    if (left + READOUT_WIDTH > canvas.right) left = canvas.right - READOUT_WIDTH;
    if (left < canvas.left) left = canvas.left;
    return boxOfSize(left, top, READOUT_WIDTH, READOUT_HEIGHT);
}

int decorationsOf(const Frame& frame, Box* boxes) {
    int count = 0;
    if (frame.hasSelection) {
        boxes[count++] = grown(frame.selection, GRIP_SIZE);
        boxes[count++] = readoutBox(frame.selection, frame.canvas);
    }
    if (frame.showHover) count += outlineStrips(frame.hover, HOVER_LINE, boxes + count);
    if (frame.showPointerAids) {
        boxes[count++] = Box{frame.canvas.left, frame.pointer.y, frame.canvas.right, frame.pointer.y + 1};
        boxes[count++] = Box{frame.pointer.x, frame.canvas.top, frame.pointer.x + 1, frame.canvas.bottom};
        boxes[count++] = magnifierPlacement(frame.pointer, frame.canvas);
    }
    for (int i = 0; i < count; ++i) boxes[i] = intersection(boxes[i], frame.canvas);
    return count;
}
