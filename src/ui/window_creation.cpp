#include <windows.h>

#include "platform/messages.h"
#include "ui/stacking.h"
#include "ui/window_layer_state.h"

namespace {

const char CONTROL_CLASS[] = "ZelvikControl";
constexpr int FIRST_CONTROL_ID = 100;
constexpr int CONTROL_ID_STEP = 10;

HINSTANCE module() { return GetModuleHandleA(nullptr); }

bool isSystemButton(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::RadioButton;
}

// System BUTTON windows ask their container for colours: black text on button face.
LRESULT controlColours(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// A click of a system button arrives at its container as BN_CLICKED.
bool raiseButtonClicked(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) return false;
    ControlInstance* control = findControl(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) return false;
    raisePlain(control->description->events.clicked);
    return true;
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindowState& layer = windowLayer();
    switch (message) {
    case WM_DESTROY_REQUEST:
        if (hwnd == layer.hwnd && layer.pendingDestroy) {
            layer.pendingDestroy = false;
            DestroyWindow(hwnd);
        }
        return 0;
    case WM_DESTROY: {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        if (hwnd == layer.hwnd) raisePlain(layer.description->willBeDestroyed);
        return result;
    }
    case WM_COMMAND:
        if (raiseButtonClicked(wParam, lParam)) return 0;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColours(reinterpret_cast<HDC>(wParam));
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The group box and radio buttons keep the BUTTON class's behaviour; the group
// box additionally answers its radio buttons as their container.
LRESULT CALLBACK systemButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlInstance* control = findControl(hwnd);
    if (control == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (raiseButtonClicked(wParam, lParam)) return 0;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColours(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND:
        // A group box draws only its frame; its inside shows button face.
        if (control->description->kind == ControlKind::GroupBox) {
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        break;
    default:
        break;
    }
    return CallWindowProcA(control->systemProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlInstance* control = findControl(hwnd);
    if (control == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    const ControlDescription& description = *control->description;
    switch (message) {
    case WM_PAINT:
        paintControl(*control);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painting covers the whole control, or nothing for transparent labels
    case WM_SETCURSOR:
        if (description.handCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    case WM_FEEDBACK:
        // The send returns once the handler has returned; the result is 0.
        if (description.events.feedback && !windowLayer().ending)
            description.events.feedback(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
        if (description.kind == ControlKind::PictureButton &&
            handlePictureButtonMouse(*control, message, wParam, lParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool registerClasses() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = module();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));

    WNDCLASSA existing;
    if (!GetClassInfoA(module(), windowLayer().description->className, &existing)) {
        windowClass.lpfnWndProc = mainWindowProc;
        windowClass.lpszClassName = windowLayer().description->className;
        if (!RegisterClassA(&windowClass)) return false;
    }
    if (!GetClassInfoA(module(), CONTROL_CLASS, &existing)) {
        windowClass.lpfnWndProc = controlProc;
        windowClass.lpszClassName = CONTROL_CLASS;
        if (!RegisterClassA(&windowClass)) return false;
    }
    return true;
}

DWORD kindStyle(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox: return BS_GROUPBOX | BS_LEFT;
    case ControlKind::RadioButton: return BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE;
    default: return 0;
    }
}

bool createControl(ControlInstance& control, int id) {
    MainWindowState& layer = windowLayer();
    const ControlDescription& description = *control.description;
    const bool system = isSystemButton(description.kind);
    const DWORD exStyle = description.kind == ControlKind::TransparentLabel ? WS_EX_TRANSPARENT : 0;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kindStyle(description.kind) |
                        (description.enabled ? 0 : WS_DISABLED);
    control.hwnd = CreateWindowExA(exStyle, system ? "BUTTON" : CONTROL_CLASS,
                                   description.text ? description.text : "", style,
                                   description.place.x, description.place.y, description.size.cx,
                                   description.size.cy, layer.hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module(),
                                   nullptr);
    if (control.hwnd == nullptr) return false;

    for (int i = 0; i < 3; ++i)
        if (description.kind == ControlKind::PictureButton && description.pictures[i])
            control.pictures[i] = loadBitmapPicture(description.pictures[i]);
    if (description.kind == ControlKind::PictureBox && description.pictures[0])
        control.icon = loadIconImage(description.pictures[0], 16);

    if (system) {
        control.systemProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control.hwnd, GWLP_WNDPROC));
        SetWindowLongPtrA(control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemButtonProc));
        if (description.font) control.font = createDescribedFont(*description.font);
        const HFONT font = control.font ? control.font.get()
                                        : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (description.kind == ControlKind::RadioButton)
            SendMessageA(control.hwnd, BM_SETCHECK, description.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return true;
}

// Takes off the caption that the system gives every overlapped window.
void removeCaption(HWND hwnd, POINT start, SIZE size) {
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    SetWindowLongPtrA(hwnd, GWL_STYLE,
                      style & ~static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    if (outer.right - outer.left != size.cx || outer.bottom - outer.top != size.cy)
        MoveWindow(hwnd, start.x, start.y, size.cx, size.cy, TRUE);
}

}  // namespace

bool createMainWindow(const WindowDescription& description) {
    MainWindowState& layer = windowLayer();
    layer.description = &description;
    layer.windowPosition = description.windowPosition;
    if (!registerClasses()) return false;

    // Centred on the primary screen's full size, taskbar included.
    const POINT start = {(GetSystemMetrics(SM_CXSCREEN) - description.size.cx) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - description.size.cy) / 2};
    layer.hwnd = CreateWindowExA(0, description.className, description.title,
                                 WS_OVERLAPPED | WS_CLIPCHILDREN, start.x, start.y,
                                 description.size.cx, description.size.cy, nullptr, nullptr,
                                 module(), nullptr);
    if (layer.hwnd == nullptr) return false;
    removeCaption(layer.hwnd, start, description.size);

    if (description.icon) {
        layer.bigIcon = loadIconImage(description.icon, 32);
        layer.smallIcon = loadIconImage(description.icon, 16);
        SendMessageA(layer.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(layer.bigIcon.get()));
        SendMessageA(layer.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(layer.smallIcon.get()));
    }
    SendMessageA(layer.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);

    // Created in reverse order, identifiers 100, 110, ... in creation order.
    if (description.controlCount > MainWindowState::MAX_CONTROLS) return false;
    layer.controlCount = description.controlCount;
    for (int i = 0; i < description.controlCount; ++i) layer.controls[i].description = &description.controls[i];
    int id = FIRST_CONTROL_ID;
    for (int i = description.controlCount - 1; i >= 0; --i, id += CONTROL_ID_STEP)
        if (!createControl(layer.controls[i], id)) return false;  // fatal to the caller

    for (ControlInstance& control : layer)
        if (control.description->container >= 0)
            SetParent(control.hwnd, layer.controls[control.description->container].hwnd);

    int anchors[MainWindowState::MAX_CONTROLS];
    stackingAnchors(description, anchors);
    for (int i = 0; i < description.controlCount; ++i)
        SetWindowPos(layer.controls[i].hwnd, anchors[i] < 0 ? HWND_TOP : layer.controls[anchors[i]].hwnd,
                     0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    for (ControlInstance& control : layer)
        ShowWindow(control.hwnd, control.description->visible ? SW_SHOWNA : SW_HIDE);
    return true;
}
