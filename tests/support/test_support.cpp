#include "support/test_support.h"

#include <cstdio>
#include <cstring>

const char MAIN_TITLE[] = "Zelvik专业截图1.0";
const char TOOL_PATH[] = "C:\\WINDOWS\\qqscr.exe";

std::string binFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string binPath(const char* fileName) { return binFolder() + "\\" + fileName; }

std::string zelvikPath() { return binPath("zelvik.exe"); }

std::string readWholeFile(const std::string& path) {
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

void removeTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::strcmp(entry.cFileName, ".") && std::strcmp(entry.cFileName, ".."))
                removeTree(path + "\\" + entry.cFileName);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

ChildProcess::ChildProcess(const std::string& commandLine, const char* directory,
                           const std::vector<std::string>& extraEnvironment) {
    // The child gets this process's environment plus the extra variables.
    std::vector<std::pair<std::string, std::string>> saved;
    for (const std::string& assignment : extraEnvironment) {
        const size_t equals = assignment.find('=');
        const std::string name = assignment.substr(0, equals);
        char old[4096];
        const DWORD length = GetEnvironmentVariableA(name.c_str(), old, sizeof old);
        saved.emplace_back(name, length ? std::string(old, length) : std::string("\x01"));
        SetEnvironmentVariableA(name.c_str(), assignment.substr(equals + 1).c_str());
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    std::string writable = commandLine;
    if (CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, directory, &startup,
                       &created)) {
        CloseHandle(created.hThread);
        process_.reset(created.hProcess);
        id_ = created.dwProcessId;
    }
    for (const auto& entry : saved)
        SetEnvironmentVariableA(entry.first.c_str(), entry.second == "\x01" ? nullptr : entry.second.c_str());
}

ChildProcess::~ChildProcess() {
    if (running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ChildProcess::running() const {
    return process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::waitForExit(DWORD deadlineMs) {
    if (!process_.valid()) return STILL_ACTIVE;
    if (WaitForSingleObject(process_.get(), deadlineMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND ZelvikWindows::control(int id) const {
    for (HWND hwnd : controls)
        if (GetDlgCtrlID(hwnd) == id) return hwnd;
    return nullptr;
}

namespace {

BOOL CALLBACK askMatch(HWND hwnd, LPARAM parameter) {
    auto* request = reinterpret_cast<std::pair<const std::function<bool(HWND)>*, HWND>*>(parameter);
    if (!(*request->first)(hwnd)) return TRUE;
    request->second = hwnd;
    return FALSE;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(hwnd);
    return TRUE;
}

}  // namespace

DWORD windowProcessId(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner;
}

HWND findTopLevelWindow(const std::function<bool(HWND)>& match) {
    std::pair<const std::function<bool(HWND)>*, HWND> request(&match, nullptr);
    EnumWindows(askMatch, reinterpret_cast<LPARAM>(&request));
    return request.second;
}

HWND findMainWindow(DWORD processId) {
    return findTopLevelWindow([&](HWND hwnd) {
        char className[64];
        GetClassNameA(hwnd, className, sizeof className);
        return windowProcessId(hwnd) == processId && std::strcmp(className, "WTWindow") == 0;
    });
}

ZelvikWindows collectWindows(HWND main) {
    ZelvikWindows windows;
    windows.main = main;
    EnumChildWindows(main, collectChild, reinterpret_cast<LPARAM>(&windows.controls));
    return windows;
}

std::string windowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

ChildProcess startZelvik(ZelvikWindows& windows, const char* directory,
                         const std::vector<std::string>& extraEnvironment) {
    ChildProcess child(zelvikPath(), directory, extraEnvironment);
    HWND main = nullptr;
    waitUntil([&] {
        main = findMainWindow(child.id());
        return (main && IsWindowVisible(main)) || !child.running();
    }, 30000);
    windows = collectWindows(main);
    return child;
}

namespace {
LRESULT CALLBACK focusWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
}  // namespace

FocusWindow::FocusWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = focusWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZelvikTestFocus";
    RegisterClassA(&windowClass);
    hwnd_ = CreateWindowExA(0, "ZelvikTestFocus", "test focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                            100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    activate();
}

FocusWindow::~FocusWindow() { DestroyWindow(hwnd_); }

void FocusWindow::activate() {
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    SetFocus(hwnd_);
    pumpMessages();
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
