#include "frame_painting.h"

#include <string.h>

#include "magnifier_layout.h"

namespace {

constexpr COLORREF ACCENT = RGB(0, 174, 255);
constexpr int MAX_UPDATE_BOXES = 64;

RECT rectOf(const Box& box) { return RECT{box.left, box.top, box.right, box.bottom}; }
Box boxOf(const RECT& rect) { return Box{rect.left, rect.top, rect.right, rect.bottom}; }

// The update region as boxes; its bounding box when it has too many.
int updateBoxes(HRGN update, Box* boxes) {
    struct {
        RGNDATAHEADER header;
        RECT rects[MAX_UPDATE_BOXES];
    } data;
    const DWORD needed = GetRegionData(update, 0, nullptr);
    if (needed && needed <= sizeof data && GetRegionData(update, sizeof data, reinterpret_cast<RGNDATA*>(&data))) {
        const int count = static_cast<int>(data.header.nCount);
        for (int i = 0; i < count; ++i) boxes[i] = boxOf(data.rects[i]);
        return count;
    }
    RECT bounds;
    GetRgnBox(update, &bounds);
    boxes[0] = boxOf(bounds);
    return 1;
}

}  // namespace

FramePainter::FramePainter(const Picture& frozen, Picture& back)
    : frozen_(frozen),
      back_(back),
      accent_(CreateSolidBrush(ACCENT)),
      black_(CreateSolidBrush(RGB(0, 0, 0))),
      white_(CreateSolidBrush(RGB(255, 255, 255))),
      font_(CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "")) {}

void FramePainter::paint(const Frame& frame, HRGN update, HDC window) {
    Box boxes[MAX_UPDATE_BOXES];
    const int count = updateBoxes(update, boxes);
    GdiFlush();  // GDI may still be drawing into the back buffer
    for (int i = 0; i < count; ++i) compose(frame, intersection(boxes[i], frame.canvas));
    SelectClipRgn(back_.dc(), update);
    drawDecorations(frame);
    SelectClipRgn(back_.dc(), nullptr);
    for (int i = 0; i < count; ++i) {
        const Box& box = boxes[i];
        BitBlt(window, box.left, box.top, box.width(), box.height(), back_.dc(), box.left, box.top, SRCCOPY);
    }
}

void FramePainter::compose(const Frame& frame, const Box& area) {
    if (area.empty()) return;
    // Halving each channel dims the picture cheaply, a whole 4K screen in a few milliseconds.
    for (int y = area.top; y < area.bottom; ++y) {
        const unsigned* source = frozen_.row(y);
        unsigned* target = back_.row(y);
        for (int x = area.left; x < area.right; ++x) target[x] = (source[x] >> 1) & 0x7F7F7F;
    }
    if (!frame.hasSelection) return;
    const Box clear = intersection(area, frame.selection);
    if (clear.empty()) return;
    for (int y = clear.top; y < clear.bottom; ++y)
        memcpy(back_.row(y) + clear.left, frozen_.row(y) + clear.left, clear.width() * sizeof(unsigned));
}

void FramePainter::fill(const Box& box, HBRUSH brush) {
    const RECT rect = rectOf(box);
    FillRect(back_.dc(), &rect, brush);
}

void FramePainter::drawDecorations(const Frame& frame) {
    if (frame.showHover) {
        const RECT rect = rectOf(frame.hover);
        for (int i = 0; i < HOVER_LINE; ++i) {
            const RECT line = {rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
            FrameRect(back_.dc(), &line, accent_.get());
        }
    }
    if (frame.hasSelection) drawSelection(frame);
    if (frame.showPointerAids) {
        fill(Box{frame.canvas.left, frame.pointer.y, frame.canvas.right, frame.pointer.y + 1}, accent_.get());
        fill(Box{frame.pointer.x, frame.canvas.top, frame.pointer.x + 1, frame.canvas.bottom}, accent_.get());
        drawMagnifier(frame);
    }
}

void FramePainter::drawSelection(const Frame& frame) {
    // The border lies just outside the box, so every chosen pixel stays visible.
    const Box& box = frame.selection;
    const RECT border = rectOf(grown(box, 1));
    FrameRect(back_.dc(), &border, accent_.get());
    if (frame.showGrips) {
        const int midX = (box.left + box.right) / 2, midY = (box.top + box.bottom) / 2;
        const Point grips[8] = {{box.left - 1, box.top - 1}, {midX, box.top - 1},       {box.right, box.top - 1},
                                {box.right, midY},           {box.right, box.bottom},   {midX, box.bottom},
                                {box.left - 1, box.bottom},  {box.left - 1, midY}};
        for (const Point& grip : grips)
            fill(boxOfSize(grip.x - GRIP_SIZE / 2, grip.y - GRIP_SIZE / 2, GRIP_SIZE, GRIP_SIZE), accent_.get());
    }
    const Box readout = readoutBox(box, frame.canvas);
    fill(readout, black_.get());
    char text[48];
    const int length = wsprintfA(text, "%d × %d", box.width(), box.height());
    ScopedSelect font(back_.dc(), font_.get());
    SetBkMode(back_.dc(), TRANSPARENT);
    SetTextColor(back_.dc(), RGB(255, 255, 255));
    RECT textRect = rectOf(readout);
    DrawTextA(back_.dc(), text, length, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void FramePainter::drawMagnifier(const Frame& frame) {
    const Box place = magnifierPlacement(frame.pointer, frame.canvas);
    const int zoomed = MAGNIFIED_SPAN * ZOOM;
    fill(place, black_.get());
    // Only the part of the source inside the canvas is enlarged; the rest stays black.
    const Box wanted = magnifiedSource(frame.pointer);
    const Box source = intersection(wanted, frame.canvas);
    if (!source.empty()) {
        SetStretchBltMode(back_.dc(), COLORONCOLOR);
        StretchBlt(back_.dc(), place.left + (source.left - wanted.left) * ZOOM,
                   place.top + (source.top - wanted.top) * ZOOM, source.width() * ZOOM, source.height() * ZOOM,
                   frozen_.dc(), source.left, source.top, source.width(), source.height(), SRCCOPY);
    }
    const int centre = (MAGNIFIED_SPAN / 2) * ZOOM;
    const RECT pixel = {place.left + centre - 1, place.top + centre - 1, place.left + centre + ZOOM + 1,
                        place.top + centre + ZOOM + 1};
    FrameRect(back_.dc(), &pixel, white_.get());
    const RECT outline = rectOf(place);
    FrameRect(back_.dc(), &outline, white_.get());

    char decimal[32], hex[16];
    colourTexts(frozen_.pixel(frame.pointer), decimal, hex);
    ScopedSelect font(back_.dc(), font_.get());
    SetBkMode(back_.dc(), TRANSPARENT);
    SetTextColor(back_.dc(), RGB(255, 255, 255));
    RECT line = {place.left + 4, place.top + zoomed + 2, place.right - 4, place.top + zoomed + 18};
    DrawTextA(back_.dc(), decimal, -1, &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    OffsetRect(&line, 0, 16);
    DrawTextA(back_.dc(), hex, -1, &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}
