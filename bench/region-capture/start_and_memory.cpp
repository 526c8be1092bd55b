#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/test_support.h"

// Starts the tool and the minimal grab-and-show program in turn, timing
// each from CreateProcess until its full-screen window is shown with no
// paint pending, and reading their peak memory while a selection is dragged.

namespace {

// The program's window once it covers the virtual screen's width.
HWND shownWindowOf(DWORD processId) {
    return findTopLevelWindow([&](HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return windowProcessId(window) == processId && IsWindowVisible(window) &&
               rect.right - rect.left == GetSystemMetrics(SM_CXVIRTUALSCREEN);
    });
}

double nowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

void sendMouse(DWORD flags, int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    input.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65536 + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1) /
                                    GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65536 + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1) /
                                    GetSystemMetrics(SM_CYVIRTUALSCREEN));
    SendInput(1, &input, sizeof input);
}

struct Run {
    double startMs = -1;
    SIZE_T peakPrivate = 0;
    SIZE_T peakWorkingSet = 0;
};

// One cold start; with drag, a selection is then dragged across most of the screen.
Run runOnce(const std::string& program, bool drag) {
    Run run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION created = {};
    std::string commandLine = "\"" + program + "\"";
    const double start = nowMs();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &created))
        return run;
    HWND window = nullptr;
    while (nowMs() - start < 30000) {
        window = shownWindowOf(created.dwProcessId);
        // Shown, and its first paint done (no update region left).
        if (window && !GetUpdateRect(window, nullptr, FALSE)) break;
        if (WaitForSingleObject(created.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    if (window) run.startMs = nowMs() - start;
    if (window && drag) {
        const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        sendMouse(MOUSEEVENTF_MOVE, width / 10, height / 10);
        sendMouse(MOUSEEVENTF_LEFTDOWN, width / 10, height / 10);
        for (int step = 1; step <= 20; ++step)
            sendMouse(MOUSEEVENTF_MOVE, width / 10 + step * width * 4 / 100, height / 10 + step * height * 4 / 100);
        sendMouse(MOUSEEVENTF_LEFTUP, width * 9 / 10, height * 9 / 10);
        DWORD_PTR ignored;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
        for (int i = 0; i < 200 && GetUpdateRect(window, nullptr, FALSE); ++i) Sleep(5);
    }
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(created.hProcess, &counters, sizeof counters)) {
        run.peakPrivate = counters.PeakPagefileUsage;
        run.peakWorkingSet = counters.PeakWorkingSetSize;
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(created.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(created.hProcess, 9);
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    Sleep(300);  // the X server forgets the last window before the next grab
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

double mib(SIZE_T bytes) { return bytes / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? atoi(argv[1]) : 9;
    char folder[MAX_PATH];
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    *strrchr(folder, '\\') = '\0';
    const std::string tool = std::string(folder) + "\\region-capture.exe";
    const std::string minimal = std::string(folder) + "\\minimal_overlay.exe";

    runOnce(tool, false);  // warm the file cache and the Wine prefix once for both
    runOnce(minimal, false);
    std::vector<double> toolMs, minimalMs;
    for (int i = 0; i < rounds; ++i) {
        // Alternating, so that a slow moment of the machine hits both.
        const Run a = runOnce(tool, false), b = runOnce(minimal, false);
        if (a.startMs >= 0) toolMs.push_back(a.startMs);
        if (b.startMs >= 0) minimalMs.push_back(b.startMs);
    }
    const Run toolMemory = runOnce(tool, true), minimalMemory = runOnce(minimal, true);

    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const double picture = mib(static_cast<SIZE_T>(width) * height * 4);
    const double toolStart = median(toolMs), minimalStart = median(minimalMs);
    printf("| %d x %d | %d | %.1f ms | %.1f ms | %.2f |", width, height, rounds, toolStart, minimalStart,
           toolStart / minimalStart);
    const double extra = mib(toolMemory.peakPrivate) - mib(minimalMemory.peakPrivate);
    printf(" %.1f MiB | %.1f MiB | %.1f MiB | %.1f MiB | %.1f MiB | %s |\n", mib(toolMemory.peakPrivate),
           mib(minimalMemory.peakPrivate), picture, extra, picture + 4,
           extra <= picture + 4 ? "within" : "OVER");
    fprintf(stderr, "peak working sets: tool %.1f MiB, minimal %.1f MiB\n", mib(toolMemory.peakWorkingSet),
            mib(minimalMemory.peakWorkingSet));
    return 0;
}
