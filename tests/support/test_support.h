#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"

// The folder of the running test program (where the build puts every program).
std::string binFolder();
std::string binPath(const char* fileName);

std::string readWholeFile(const std::string& path);
bool writeWholeFile(const std::string& path, const std::string& bytes);
void removeTree(const std::string& path);

// Waits for a condition with a deadline; true when it held in time.
template <typename Condition>
bool waitUntil(Condition condition, DWORD deadlineMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > deadlineMs) return false;
        Sleep(10);
    }
    return true;
}

// A program started by a test; killed at the end of the test if still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const std::string& commandLine, const char* directory = nullptr,
                 const std::vector<std::string>& extraEnvironment = {});
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;
    ~ChildProcess();

    bool started() const { return process_.valid(); }
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    // Waits for the end and returns the exit code, or STILL_ACTIVE after the deadline.
    DWORD waitForExit(DWORD deadlineMs = 20000);

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

// The launcher under test.
struct ZelvikWindows {
    HWND main = nullptr;
    std::vector<HWND> controls;  // by creation order: identifier 100, 110, ...
    HWND control(int id) const;
};

constexpr int ID_SHAPE_BOX = 100;      // 外形框1
constexpr int ID_HEADER = 110;         // 背景色上
constexpr int ID_GROUP_BOX = 120;      // 分组框1
constexpr int ID_STATE_LABEL = 130;    // 标签1
constexpr int ID_USAGE_LINE = 140;     // 透明标签1
constexpr int ID_CLOSE = 150;          // 图形按钮_关闭
constexpr int ID_REGION_TOOL = 160;    // 单选框1
constexpr int ID_ACTIVE_WINDOW = 170;  // 单选框2
constexpr int ID_FULL_SCREEN = 180;    // 单选框3
constexpr int ID_TITLE = 190;          // 透明标签2
constexpr int ID_ICON = 200;           // 图片框1
constexpr int ID_MINIMISE = 210;       // 图形按钮_最小化

extern const char MAIN_TITLE[];       // "Zelvik专业截图1.0"
extern const char TOOL_PATH[];        // where the launcher deploys its tool
std::string zelvikPath();

// Starts the launcher and waits until its window is shown.
ChildProcess startZelvik(ZelvikWindows& windows, const char* directory = nullptr,
                         const std::vector<std::string>& extraEnvironment = {});
// The first top-level window that match accepts, or null.
HWND findTopLevelWindow(const std::function<bool(HWND)>& match);
DWORD windowProcessId(HWND window);
HWND findMainWindow(DWORD processId);
ZelvikWindows collectWindows(HWND main);
std::string windowText(HWND window);

// Puts the keyboard focus on a window of the test's own, so that the
// session's hotkeys fire (Wine delivers them only while one of its windows
// has the focus).
class FocusWindow {
public:
    FocusWindow();
    ~FocusWindow();
    HWND hwnd() const { return hwnd_; }
    void activate();

private:
    HWND hwnd_ = nullptr;
};

// Sends key presses as the user would, through SendInput.
void pressKey(WORD virtualKey);

// Processes this thread's pending messages.
void pumpMessages();
