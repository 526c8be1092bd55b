#include "overlay.h"

#include <windowsx.h>

#include "clipboard.h"
#include "image_encoding.h"
#include "key_actions.h"
#include "save_dialog.h"
#include "texts.h"

namespace {

RECT rectOf(const Box& box) { return RECT{box.left, box.top, box.right, box.bottom}; }

Point pointOf(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool ctrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// The cursor over each grip: the arrows tell which way it resizes.
LPCSTR cursorFor(Grip grip) {
    switch (grip) {
    case Grip::Inside: return IDC_SIZEALL;
    case Grip::TopLeft: case Grip::BottomRight: return IDC_SIZENWSE;
    case Grip::TopRight: case Grip::BottomLeft: return IDC_SIZENESW;
    case Grip::Left: case Grip::Right: return IDC_SIZEWE;
    case Grip::Top: case Grip::Bottom: return IDC_SIZENS;
    default: return IDC_CROSS;
    }
}

}  // namespace

Overlay::Overlay(const Picture& frozen, Picture& back, const Box& virtualScreen, const WindowFinder& windows,
                 const Options& options)
    : frozen_(frozen),
      painter_(frozen, back),
      virtualScreen_(virtualScreen),
      canvas_(Box{0, 0, virtualScreen.width(), virtualScreen.height()}),
      windows_(windows),
      options_(options),
      selection_(canvas_) {
    if (options.hasRegion) selection_.select(screenToCanvas(options.region, virtualScreen));
    POINT cursor;
    if (GetCursorPos(&cursor)) pointer_ = clampedToCanvas(screenToCanvas(Point{cursor.x, cursor.y}, virtualScreen));
}

int Overlay::run() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.lpszClassName = CLASS_NAME;
    if (!RegisterClassA(&windowClass)) return EXIT_FAULT;
    // Created hidden and shown with SetWindowPos: the show state the starting
    // program asks for (minimised) must not apply to the overlay.
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, CLASS_NAME, TOOL_TITLE, WS_POPUP,
                              virtualScreen_.left, virtualScreen_.top, virtualScreen_.width(),
                              virtualScreen_.height(), nullptr, nullptr, instance, this);
    if (!window_) return EXIT_FAULT;
    SetWindowPos(window_, HWND_TOPMOST, virtualScreen_.left, virtualScreen_.top, virtualScreen_.width(),
                 virtualScreen_.height(), SWP_SHOWWINDOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    InvalidateRect(window_, nullptr, FALSE);  // the first frame paints the whole dimmed picture
    refresh();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return exitCode_;
}

LRESULT CALLBACK Overlay::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
        reinterpret_cast<Overlay*>(created->lpCreateParams)->window_ = window;
    }
    auto* overlay = reinterpret_cast<Overlay*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!overlay) return DefWindowProcA(window, message, wParam, lParam);
    return overlay->handle(message, wParam, lParam);
}

LRESULT Overlay::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: onMouseMove(pointOf(lParam)); return 0;
    case WM_LBUTTONDOWN: onButtonDown(pointOf(lParam)); return 0;
    case WM_LBUTTONUP: onButtonUp(pointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: onDoubleClick(pointOf(lParam)); return 0;
    // On release, so that the button's release does not land in the window below.
    case WM_RBUTTONUP: cancel(); return 0;
    case WM_KEYDOWN: onKeyDown(static_cast<unsigned>(wParam)); return 0;
    case WM_KEYUP:
        if (wParam == VK_CONTROL) refresh();
        return 0;
    case WM_SETCURSOR:
        if (onSetCursor()) return TRUE;
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: onPaint(); return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse mid-drag (another window took it) ends the drag where it is.
        if (selection_.buttonHeld()) {
            selection_.release(pointer_, Box{0, 0, 0, 0});
            refresh();
        }
        return 0;
    case WM_DESTROY: PostQuitMessage(exitCode_); return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

Point Overlay::clampedToCanvas(Point p) const {
    if (p.x < canvas_.left) p.x = canvas_.left;
    if (p.y < canvas_.top) p.y = canvas_.top;
    if (p.x >= canvas_.right) p.x = canvas_.right - 1;
    if (p.y >= canvas_.bottom) p.y = canvas_.bottom - 1;
    return p;
}

Box Overlay::hoveredWindow() const {
    const Point screen{pointer_.x + virtualScreen_.left, pointer_.y + virtualScreen_.top};
    return intersection(screenToCanvas(windows_.boxAt(screen, ctrlDown()), virtualScreen_), canvas_);
}

void Overlay::onMouseMove(Point p) {
    pointer_ = clampedToCanvas(p);
    selection_.drag(pointer_);
    refresh();
}

void Overlay::onButtonDown(Point p) {
    pointer_ = clampedToCanvas(p);
    SetCapture(window_);
    selection_.press(pointer_);
    refresh();
}

void Overlay::onButtonUp(Point p) {
    pointer_ = clampedToCanvas(p);
    if (selection_.buttonHeld()) selection_.release(pointer_, hoveredWindow());
    // Released after the selection has settled, so WM_CAPTURECHANGED finds no drag to end.
    if (GetCapture() == window_) ReleaseCapture();
    refresh();
    if (takeOnRelease_) {
        takeOnRelease_ = false;
        take();
    }
}

void Overlay::onDoubleClick(Point p) {
    pointer_ = clampedToCanvas(p);
    if (selection_.phase() == Phase::Selected && selection_.box().contains(pointer_)) {
        takeOnRelease_ = true;
        return;
    }
    onButtonDown(p);
}

void Overlay::onKeyDown(unsigned virtualKey) {
    const KeyAction action = actionForKey(virtualKey, ctrlDown(), GetKeyState(VK_SHIFT) < 0);
    switch (action.command) {
    case KeyCommand::Copy: take(); break;
    case KeyCommand::Save: saveWithDialog(); break;
    case KeyCommand::Cancel: cancel(); break;
    case KeyCommand::Move:
        if (selection_.phase() == Phase::Selected) {
            selection_.moveBy(action.dx, action.dy);
        } else if (selection_.phase() == Phase::Choosing) {
            // Without a box the arrows nudge the pointer, to aim at one pixel.
            POINT cursor;
            GetCursorPos(&cursor);
            SetCursorPos(cursor.x + action.dx, cursor.y + action.dy);
        }
        refresh();
        break;
    case KeyCommand::Resize:
        selection_.resizeBy(action.dx, action.dy);
        refresh();
        break;
    case KeyCommand::None:
        if (virtualKey == VK_CONTROL) refresh();  // the outline switches to child controls
        break;
    }
}

bool Overlay::onSetCursor() {
    const Grip grip = selection_.phase() == Phase::Selected ? gripAt(selection_.box(), pointer_)
                      : selection_.phase() == Phase::Moving || selection_.phase() == Phase::Resizing
                          ? selection_.heldGrip()
                          : Grip::Outside;
    SetCursor(LoadCursorA(nullptr, cursorFor(grip)));
    return true;
}

void Overlay::onPaint() {
    UniqueRegion update(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(window_, update.get(), FALSE);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    painter_.paint(currentFrame(), update.get(), dc);
    EndPaint(window_, &paint);
}

Frame Overlay::currentFrame() const {
    Frame frame = {};
    frame.canvas = canvas_;
    frame.hasSelection = selection_.hasBox();
    frame.selection = selection_.box();
    frame.showGrips = selection_.phase() == Phase::Selected;
    frame.showHover = selection_.phase() == Phase::Choosing || selection_.phase() == Phase::Pressed;
    if (frame.showHover) frame.hover = hoveredWindow();
    frame.showPointerAids = selection_.choosing();
    frame.pointer = pointer_;
    return frame;
}

void Overlay::refresh() {
    Box next[MAX_DECORATIONS];
    const int nextCount = decorationsOf(currentFrame(), next);
    bool same = nextCount == shownCount_;
    for (int i = 0; same && i < nextCount; ++i) same = next[i] == shown_[i];
    if (same) return;
    for (int i = 0; i < shownCount_; ++i) {
        const RECT rect = rectOf(shown_[i]);
        InvalidateRect(window_, &rect, FALSE);
    }
    for (int i = 0; i < nextCount; ++i) {
        const RECT rect = rectOf(next[i]);
        InvalidateRect(window_, &rect, FALSE);
        shown_[i] = next[i];
    }
    shownCount_ = nextCount;
}

void Overlay::take() {
    if (selection_.phase() != Phase::Selected) {
        MessageBeep(MB_OK);
        return;
    }
    if (options_.outPath[0]) {
        if (saveTo(options_.outPath)) finish(EXIT_TAKEN);
        return;
    }
    switch (copyToClipboard(window_, frozen_, selection_.box())) {
    case CopyResult::Copied: finish(EXIT_TAKEN); break;
    case CopyResult::Busy: showMessage(CLIPBOARD_BUSY, MB_ICONWARNING); break;
    case CopyResult::Failed: showMessage(CLIPBOARD_FAILED, MB_ICONERROR); break;
    }
}

void Overlay::saveWithDialog() {
    if (selection_.phase() != Phase::Selected) {
        MessageBeep(MB_OK);
        return;
    }
    char path[MAX_PATH];
    if (askSavePath(window_, path, sizeof path) && saveTo(path)) finish(EXIT_TAKEN);
}

bool Overlay::saveTo(const char* path) {
    const DWORD error = saveImage(frozen_, selection_.box(), path);
    if (!error) return true;
    char reason[512] = "";
    if (error == ERROR_NOT_ENOUGH_MEMORY) {
        lstrcpynA(reason, ENCODING_FAILED, sizeof reason);
    } else if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                               sizeof reason, nullptr)) {
        wsprintfA(reason, "错误 %lu", error);
    }
    char text[MAX_PATH + 600];
    wsprintfA(text, SAVE_FAILED, path, reason);
    showMessage(text, MB_ICONERROR);
    return false;
}

void Overlay::cancel() {
    takeOnRelease_ = false;
    const bool dropped = selection_.drop();
    if (GetCapture() == window_) ReleaseCapture();
    if (dropped) {
        refresh();
        return;
    }
    finish(EXIT_CANCELLED);
}

void Overlay::finish(int exitCode) {
    exitCode_ = exitCode;
    DestroyWindow(window_);
}

void Overlay::showMessage(const char* text, UINT icon) {
    MessageBoxA(window_, text, TOOL_TITLE, MB_OK | MB_TOPMOST | icon);
}
