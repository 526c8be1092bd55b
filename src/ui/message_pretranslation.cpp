#include <windows.h>

#include "ui/window_layer_state.h"

namespace {

bool dragsWindow(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::PictureBox ||
           kind == ControlKind::ShapeBox || kind == ControlKind::GroupBox;
}

// Moves the window with the mouse, as if its caption had been grabbed.
void startDrag(HWND mainWindow) { PostMessageA(mainWindow, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

int32_t pressKeyState() {
    int32_t keys = 0;
    if (GetKeyState(VK_CONTROL) < 0) keys |= 1;
    if (GetKeyState(VK_SHIFT) < 0) keys |= 2;
    if (GetKeyState(VK_MENU) < 0) keys |= 4;
    return keys;
}

// The focused control may want Esc for itself (an edit, a list).
bool focusTakesEscape(const MSG& message) {
    const HWND focus = GetFocus();
    if (focus == nullptr) return false;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, VK_ESCAPE,
                                      reinterpret_cast<LPARAM>(const_cast<MSG*>(&message)));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

}  // namespace

bool preTranslateMessage(const MSG& message) {
    MainWindowState& layer = windowLayer();
    if (layer.hwnd == nullptr || layer.ending) return false;
    const bool onMain = message.hwnd == layer.hwnd;
    ControlInstance* control = onMain ? nullptr : findControl(message.hwnd);
    if (!onMain && control == nullptr) return false;
    const WindowDescription& window = *layer.description;

    if (message.message == WM_LBUTTONDOWN && window.dragAnywhere) {
        if (onMain) {
            startDrag(layer.hwnd);
            return false;  // the window still gets its press; no press event
        }
        if (dragsWindow(control->description->kind)) {
            startDrag(layer.hwnd);
            return true;
        }
    }

    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        message.wParam == VK_ESCAPE && window.escapeCloses && !focusTakesEscape(message)) {
        SendMessageA(layer.hwnd, WM_CLOSE, 0, 0);
        return true;
    }

    // A double-click's second press arrives as WM_LBUTTONDBLCLK, which has no
    // bound handler here, so only the first press raises the press event.
    if (message.message == WM_LBUTTONDOWN && control && control->description->events.leftButtonPressed) {
        const int32_t x = LOWORD(message.lParam);
        const int32_t y = HIWORD(message.lParam);
        const PressResult result = control->description->events.leftButtonPressed(x, y, pressKeyState());
        if (result == PressResult::Consume) return true;
    }
    return false;
}
