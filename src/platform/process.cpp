#include "platform/process.h"

#include <windows.h>

#include "platform/heap_text.h"
#include "platform/unique_handle.h"

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA as the 32-bit system knows it");
#endif

uint16_t showWindowForMode(int32_t showMode) {
    static const uint16_t showWindowByMode[] = {
        SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE,
        SW_MINIMIZE,  // mode 6 is SW_MINIMIZE, not SW_SHOWMINNOACTIVE
    };
    if (showMode < 1) showMode = 1;
    if (showMode > 6) showMode = 6;
    return showWindowByMode[showMode - 1];
}

bool runProgram(const char* commandLine, bool wait, int32_t showMode) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindowForMode(showMode);
    PROCESS_INFORMATION created = {};
    // CreateProcessA wants a writable command line; the copy is byte for byte.
    HeapText writableCommandLine = copyText(commandLine ? commandLine : "");
    if (!writableCommandLine) return false;
    if (!CreateProcessA(nullptr, writableCommandLine.get(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &created))
        return false;
    UniqueHandle thread(created.hThread);
    UniqueHandle process(created.hProcess);
    if (wait)
        WaitForSingleObject(process.get(), INFINITE);
    else
        WaitForInputIdle(process.get(), 1000);
    thread.close();  // the thread handle first, then the process
    return true;
}
