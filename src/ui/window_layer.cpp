#include "ui/window_layer.h"

#include <cstring>

#include "platform/messages.h"
#include "ui/window_layer_state.h"

namespace {

MainWindowState state;
void (*exitRoutine)() = nullptr;

bool canTakeActivation(HWND window) {
    return IsWindowVisible(window) && IsWindowEnabled(window) && !IsIconic(window) &&
           !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// Windows activates the next window in Z order when the active one is
// minimised; Wine leaves the minimised window active, so hand it on here.
void passActivationOn(HWND minimised) {
    if (GetForegroundWindow() != minimised && GetActiveWindow() != minimised) return;
    for (HWND next = GetTopWindow(nullptr); next != nullptr; next = GetWindow(next, GW_HWNDNEXT)) {
        if (next != minimised && canTakeActivation(next)) {
            SetForegroundWindow(next);
            return;
        }
    }
}

}  // namespace

MainWindowState& windowLayer() { return state; }

ControlInstance* findControl(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    for (ControlInstance& control : state)
        if (control.hwnd == hwnd) return &control;
    return nullptr;
}

void raisePlain(PlainHandler handler) {
    if (handler && !state.ending) handler();
}

void initialisePlatform() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char* lastBackslash = std::strrchr(path, '\\');
    if (lastBackslash == nullptr) return;
    // Keep the backslash of a drive root ("C:\").
    lastBackslash[lastBackslash > path && lastBackslash[-1] == ':' ? 1 : 0] = '\0';
    SetCurrentDirectoryA(path);
}

void registerExitRoutine(void (*routine)()) { exitRoutine = routine; }

void loadMainWindow(const WindowDescription& description) {
    if (!createMainWindow(description)) {
        state.ending = true;
        MessageBoxA(nullptr, "无法创建程序窗口，程序将退出。", description.title, MB_ICONERROR);
        ExitProcess(static_cast<UINT>(-1));  // before any handler: no exit routine
    }
    raisePlain(description.created);
    // The layer's two further window events after creation have no handlers here.
    if (!IsWindow(state.hwnd) || !description.visible) return;
    switch (state.windowPosition) {
    case 2: ShowWindow(state.hwnd, SW_SHOWMINIMIZED); break;
    case 3: ShowWindow(state.hwnd, SW_SHOWMAXIMIZED); break;
    default: ShowWindow(state.hwnd, SW_SHOW); break;
    }
}

void runMessageLoop() {
    if (!IsWindow(state.hwnd)) return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (preTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void endProgram(int32_t exitCode) {
    state.ending = true;
    if (exitRoutine) {
        void (*routine)() = exitRoutine;
        exitRoutine = nullptr;  // once
        routine();
    }
    // The layer's own GDI objects; the windows go with the process.
    for (ControlInstance& control : state) {
        control.font.reset();
        for (UniqueBitmap& picture : control.pictures) picture.reset();
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

HWND mainWindowHandle() { return IsWindow(state.hwnd) ? state.hwnd : nullptr; }

HWND controlHandle(const char* name) {
    if (name == nullptr) return nullptr;
    for (const ControlInstance& control : state)
        if (std::strcmp(control.description->name, name) == 0)
            return IsWindow(control.hwnd) ? control.hwnd : nullptr;
    return nullptr;
}

HeapText readCaption(const char* name) {
    const HWND control = controlHandle(name);
    if (control == nullptr) return nullptr;
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return nullptr;
    HeapText caption = allocateText(length);
    if (!caption || GetWindowTextA(control, caption.get(), length + 1) <= 0) return nullptr;
    return caption;
}

void writeCaption(const char* name, const char* text) {
    const HWND control = controlHandle(name);
    if (control == nullptr) return;
    SetWindowTextA(control, text);
    InvalidateRect(control, nullptr, FALSE);
}

void setWindowPosition(int32_t position) {
    if (position < 0) position = 0;
    if (position > 3) position = 3;
    state.windowPosition = position;
    // A minimised window counts as visible; a hidden one only stores the value.
    if (!IsWindow(state.hwnd) || !IsWindowVisible(state.hwnd)) return;
    switch (position) {
    case 2:
        ShowWindow(state.hwnd, SW_MINIMIZE);
        passActivationOn(state.hwnd);
        break;
    case 3: ShowWindow(state.hwnd, SW_MAXIMIZE); break;
    default: ShowWindow(state.hwnd, SW_RESTORE); break;
    }
}

int32_t windowPosition() { return state.windowPosition; }

void destroyWindowDeferred(HWND window) {
    if (window == state.hwnd) state.pendingDestroy = true;
    PostMessageA(window, WM_DESTROY_REQUEST, 0, 0);
}
