// Records how it was started, then behaves as its environment asks:
//   ZELVIK_PROBE_LOG        file to append one line per start (default: <exe>.log)
//   ZELVIK_PROBE_HANDLE     a handle value to test for inheritance
//   ZELVIK_PROBE_SLEEP_MS   how long to run before exiting
//   ZELVIK_PROBE_EXIT_CODE  the exit code
//   ZELVIK_PROBE_CRASH      crash at start when set
//   ZELVIK_PROBE_IDLE_AFTER_MS  wait this long, then show a window and wait for input
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

DWORD numberFromEnvironment(const char* name, DWORD fallback) {
    char value[32];
    if (!GetEnvironmentVariableA(name, value, sizeof value)) return fallback;
    return static_cast<DWORD>(std::strtoul(value, nullptr, 10));
}

void logPathOf(char* logPath) {
    if (!GetEnvironmentVariableA("ZELVIK_PROBE_LOG", logPath, MAX_PATH)) {
        GetModuleFileNameA(nullptr, logPath, MAX_PATH - 5);
        std::strcat(logPath, ".log");
    }
}

void appendLine(const char* text) {
    char logPath[MAX_PATH];
    logPathOf(logPath);
    if (FILE* log = std::fopen(logPath, "ab")) {
        std::fprintf(log, "%s\n", text);
        std::fclose(log);
    }
}

void appendLog() {
    char logPath[MAX_PATH];
    logPathOf(logPath);
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    int inherited = 0;
    char handleText[32];
    if (GetEnvironmentVariableA("ZELVIK_PROBE_HANDLE", handleText, sizeof handleText)) {
        DWORD flags;
        const HANDLE handle = reinterpret_cast<HANDLE>(std::strtoull(handleText, nullptr, 10));
        inherited = GetHandleInformation(handle, &flags) ? 1 : 0;
    }
    FILE* log = std::fopen(logPath, "ab");
    if (!log) return;
    std::fprintf(log, "flags=%lu show=%u inherited=%d dir=%s cmd=%s\n",
                 static_cast<unsigned long>(startup.dwFlags), startup.wShowWindow, inherited, directory,
                 GetCommandLineA());
    std::fclose(log);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    appendLog();
    if (GetEnvironmentVariableA("ZELVIK_PROBE_CRASH", nullptr, 0)) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    const DWORD idleAfter = numberFromEnvironment("ZELVIK_PROBE_IDLE_AFTER_MS", 0);
    if (idleAfter) {
        Sleep(idleAfter);
        const HWND window = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                            nullptr, nullptr, nullptr);
        MSG message;
        const DWORD until = GetTickCount() + numberFromEnvironment("ZELVIK_PROBE_SLEEP_MS", 0);
        while (static_cast<LONG>(until - GetTickCount()) > 0) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, until - GetTickCount(), QS_ALLINPUT);
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        DestroyWindow(window);
    } else {
        Sleep(numberFromEnvironment("ZELVIK_PROBE_SLEEP_MS", 0));
    }
    appendLine("end");
    return static_cast<int>(numberFromEnvironment("ZELVIK_PROBE_EXIT_CODE", 0));
}
