// The least a launcher of this kind must do: a 280 x 110 window, centred,
// with a 1-pixel outline, and on F2: minimise, then press Alt+PrintScreen.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        const HPEN pen = CreatePen(PS_INSIDEFRAME, 1, RGB(0, 136, 255));
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, 0, 0, 280, 110);
        SelectObject(dc, oldBrush);
        DeleteObject(SelectObject(dc, oldPen));
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_HOTKEY:
        ShowWindow(hwnd, SW_MINIMIZE);
        keybd_event(VK_MENU, 0, 0, 0);
        keybd_event(VK_SNAPSHOT, 0, 0, 0);
        keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_SNAPSHOT, 0, KEYEVENTF_KEYUP, 0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "MinimalWindow";
    RegisterClassA(&windowClass);
    // A top-level window with a taskbar button, like the launcher's, without caption.
    const HWND window = CreateWindowExA(0, "MinimalWindow", "minimal", WS_OVERLAPPED,
                                        (GetSystemMetrics(SM_CXSCREEN) - 280) / 2,
                                        (GetSystemMetrics(SM_CYSCREEN) - 110) / 2, 280, 110, nullptr,
                                        nullptr, instance, nullptr);
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~(WS_CAPTION | WS_SYSMENU));
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    RegisterHotKey(window, 1, 0, VK_F2);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    UnregisterHotKey(window, 1);
    return 0;
}
