#include <windows.h>

#include "ui/gradient.h"
#include "ui/window_layer_state.h"

namespace {

void fillSolid(HDC dc, const RECT& area, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &area, brush.get());
}

void drawCaption(HDC dc, HWND hwnd, const ControlDescription& description) {
    char text[256];
    if (GetWindowTextA(hwnd, text, sizeof text) <= 0) return;
    // Labels create their font for each paint; the stock GUI font when it cannot be made.
    UniqueFont font = description.font ? createDescribedFont(*description.font) : UniqueFont();
    ScopedSelect selectFont(dc, font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, description.textColour.resolve());
    RECT client;
    GetClientRect(hwnd, &client);
    const UINT format = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER |
                        (description.align == HorizontalAlign::Centre ? DT_CENTER : 0);
    DrawTextA(dc, text, -1, &client, format);
}

void paintGradient(HDC dc, const RECT& client, const Gradient& gradient, COLORREF fallback) {
    const int height = client.bottom - client.top;
    for (int y = 0; y < height; ++y) {
        UniqueBrush row(CreateSolidBrush(gradientRowColour(gradient, height, y)));
        if (!row) {
            fillSolid(dc, client, fallback);
            return;
        }
        const RECT line = {client.left, y, client.right, y + 1};
        FillRect(dc, &line, row.get());
    }
}

void paintShapeBox(HDC dc, const RECT& area, const RECT& client, const ControlDescription& description) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    UniquePen pen(CreatePen(PS_INSIDEFRAME, 1, description.outline.resolve()));
    ScopedSelect selectPen(dc, pen.get());
    ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

void paintPictureButton(HDC dc, const RECT& client, const ControlInstance& control) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    UniqueMemoryDc buffer(CreateCompatibleDC(dc));
    UniqueBitmap canvas(CreateCompatibleBitmap(dc, width, height));
    if (!buffer || !canvas) return;
    ScopedSelect selectCanvas(buffer.get(), canvas.get());
    FillRect(buffer.get(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    // Disabled shows the normal picture (there is no disabled one); a missing
    // hover or pressed picture falls back to the normal one too.
    int state = IsWindowEnabled(control.hwnd) ? control.drawState : 0;
    if (!control.pictures[state]) state = 0;
    if (control.pictures[state]) {
        UniqueMemoryDc pictureDc(CreateCompatibleDC(dc));
        ScopedSelect selectPicture(pictureDc.get(), control.pictures[state].get());
        BITMAP info;
        GetObjectA(control.pictures[state].get(), sizeof info, &info);
        BitBlt(buffer.get(), 0, 0, info.bmWidth, info.bmHeight, pictureDc.get(), 0, 0, SRCCOPY);
    }
    BitBlt(dc, 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace

UniqueFont createDescribedFont(const FontDescription& font) {
    LOGFONTA logFont = {};
    logFont.lfHeight = font.height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(logFont.lfFaceName, font.faceName, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&logFont));
}

void paintControl(ControlInstance& control) {
    PaintScope paint(control.hwnd);
    const HDC dc = paint.dc();
    const ControlDescription& description = *control.description;
    RECT client;
    GetClientRect(control.hwnd, &client);
    switch (description.kind) {
    case ControlKind::ShapeBox:
        paintShapeBox(dc, paint.area(), client, description);
        break;
    case ControlKind::Label:
        if (description.gradient)
            paintGradient(dc, client, *description.gradient, description.background.resolve());
        else
            fillSolid(dc, client, description.background.resolve());
        drawCaption(dc, control.hwnd, description);
        break;
    case ControlKind::TransparentLabel:
        drawCaption(dc, control.hwnd, description);
        break;
    case ControlKind::PictureBox:
        fillSolid(dc, client, description.background.resolve());
        if (control.icon) DrawIconEx(dc, 0, 0, control.icon.get(), 16, 16, 0, nullptr, DI_NORMAL);
        break;
    case ControlKind::PictureButton:
        paintPictureButton(dc, client, control);
        break;
    case ControlKind::GroupBox:
    case ControlKind::RadioButton:
        break;  // system windows paint themselves
    }
}
