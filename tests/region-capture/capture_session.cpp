#include "capture_session.h"

namespace {

struct WindowQuery {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM parameter) {
    auto* query = reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (owner == query->processId && lstrcmpA(className, query->className) == 0 && IsWindowVisible(hwnd)) {
        query->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND findWindowOf(DWORD processId, const char* className) {
    WindowQuery query = {processId, className, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

void sendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = x;
    input.mi.dy = y;
    SendInput(1, &input, sizeof input);
}

// Absolute coordinates in 0..65535 over the virtual screen, rounded up so
// that scaling back lands on the very pixel.
LONG normalised(int value, int origin, int extent) {
    return static_cast<LONG>((static_cast<long long>(value - origin) * 65536 + extent - 1) / extent);
}

}  // namespace

CaptureSession::CaptureSession(const std::string& arguments) {
    std::string commandLine = TOOL_PATH;
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION created = {};
    const std::string program = binPath("region-capture.exe");
    const std::string folder = binFolder();
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &created)) {
        CloseHandle(created.hThread);
        process_.reset(created.hProcess);
        id_ = created.dwProcessId;
    }
}

CaptureSession::~CaptureSession() {
    if (running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool CaptureSession::running() const {
    return process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool CaptureSession::overlayHasKeyboard() const { return overlay_ && GetForegroundWindow() == overlay_; }

HWND CaptureSession::waitForOverlay() {
    waitUntil([&] {
        overlay_ = findWindowOf(id_, "ZelvikRegionOverlay");
        return (overlay_ && GetForegroundWindow() == overlay_) || !running();
    }, 20000);
    // The tool reads input only once it is waiting for messages.
    if (overlay_) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(overlay_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
    return overlayHasKeyboard() ? overlay_ : nullptr;
}

HWND CaptureSession::waitForMessageBox(DWORD deadlineMs) const {
    HWND box = nullptr;
    waitUntil([&] { return (box = findWindowOf(id_, "#32770")) != nullptr; }, deadlineMs);
    return box;
}

DWORD CaptureSession::waitForExit(DWORD deadlineMs) {
    if (!process_.valid() || WaitForSingleObject(process_.get(), deadlineMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void moveMouse(int x, int y) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, normalised(x, left, width),
              normalised(y, top, height));
    waitUntil([&] {
        POINT at;
        return GetCursorPos(&at) && at.x == x && at.y == y;
    }, 2000);
}

void mouseButton(bool down, bool right) {
    if (right) sendMouse(down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
    else sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

void dragMouse(POINT from, POINT to) {
    moveMouse(from.x, from.y);
    mouseButton(true);
    moveMouse((from.x + to.x) / 2, (from.y + to.y) / 2);
    moveMouse(to.x, to.y);
    mouseButton(false);
}

void clickMouse(POINT at, bool right) {
    moveMouse(at.x, at.y);
    mouseButton(true, right);
    mouseButton(false, right);
}

void pressChord(WORD modifier, WORD key) {
    INPUT inputs[4] = {};
    for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = modifier;
    inputs[1].ki.wVk = key;
    inputs[2].ki.wVk = key;
    inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = modifier;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
}

std::string windowTextOf(HWND window) {
    // WM_GETTEXT, not GetWindowText: across processes GetWindowText does not
    // ask the control, and an edit box would read as empty.
    char text[1024] = "";
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &ignored);
    return text;
}
