#include "magnifier_layout.h"

#include <windows.h>

Box magnifiedSource(Point pointer) {
    const int half = MAGNIFIED_SPAN / 2;
    return boxOfSize(pointer.x - half, pointer.y - half, MAGNIFIED_SPAN, MAGNIFIED_SPAN);
}

Box magnifierPlacement(Point pointer, const Box& canvas) {
    const int width = MAGNIFIED_SPAN * ZOOM, height = MAGNIFIED_SPAN * ZOOM + MAGNIFIER_TEXT_HEIGHT;
    int x = pointer.x + MAGNIFIER_GAP, y = pointer.y + MAGNIFIER_GAP;
    if (x + width > canvas.right) x = pointer.x - MAGNIFIER_GAP - width;
    if (y + height > canvas.bottom) y = pointer.y - MAGNIFIER_GAP - height;
    if (x < canvas.left) x = canvas.left;
    if (y < canvas.top) y = canvas.top;
    return boxOfSize(x, y, width, height);
}

void colourTexts(unsigned rgb, char* decimal, char* hex) {
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    wsprintfA(decimal, "RGB(%u, %u, %u)", r, g, b);
    wsprintfA(hex, "#%02X%02X%02X", r, g, b);
}
