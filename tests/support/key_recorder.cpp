#include "support/key_recorder.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex lock;
std::vector<KeyEvent> recorded;
KeyObserver currentObserver = nullptr;

LRESULT CALLBACK recordKey(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const KeyEvent event = {info->vkCode, info->scanCode, (info->flags & LLKHF_UP) != 0,
                                (info->flags & LLKHF_INJECTED) != 0, (info->flags & LLKHF_EXTENDED) != 0,
                                info->dwExtraInfo, currentObserver ? currentObserver() : 0};
        std::lock_guard<std::mutex> guard(lock);
        recorded.push_back(event);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::string describe(const std::vector<KeyEvent>& events) {
    std::string text;
    for (const KeyEvent& event : events) {
        char line[96];
        std::snprintf(line, sizeof line, "%u %s scan=%u injected=%d extra=%lu\n", event.vkCode,
                      event.up ? "up" : "down", event.scanCode, event.injected,
                      static_cast<unsigned long>(event.extraInfo));
        text += line;
    }
    return text;
}

KeyRecorder::KeyRecorder(KeyObserver observer) {
    clear();
    currentObserver = observer;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, &threadId_);
    WaitForSingleObject(ready_, 10000);
}

KeyRecorder::~KeyRecorder() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI KeyRecorder::threadMain(void* self) {
    auto* recorder = static_cast<KeyRecorder*>(self);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
    // Each recorder's thread owns its own hook: a recorder that replaces
    // another must not lose its hook to the old one's unhooking.
    const HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, recordKey, GetModuleHandleA(nullptr), 0);
    SetEvent(recorder->ready_);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    UnhookWindowsHookEx(hook);
    return 0;
}

std::vector<KeyEvent> KeyRecorder::events() {
    std::lock_guard<std::mutex> guard(lock);
    return recorded;
}

void KeyRecorder::clear() {
    std::lock_guard<std::mutex> guard(lock);
    recorded.clear();
}

std::vector<KeyEvent> KeyRecorder::waitForEvents(size_t count, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        std::vector<KeyEvent> seen = events();
        if (seen.size() >= count || GetTickCount() - start > deadlineMs) return seen;
        Sleep(5);
    }
}

std::vector<KeyEvent> KeyRecorder::eventsAfterMarker() {
    keybd_event(MARKER_KEY, 0, 0, 0);
    keybd_event(MARKER_KEY, 0, KEYEVENTF_KEYUP, 0);
    const DWORD start = GetTickCount();
    for (;;) {
        std::vector<KeyEvent> seen = events();
        for (size_t i = 0; i < seen.size(); ++i)
            if (seen[i].vkCode == MARKER_KEY && seen[i].up) {
                std::vector<KeyEvent> before;
                for (size_t j = 0; j < seen.size(); ++j)
                    if (seen[j].vkCode != MARKER_KEY) before.push_back(seen[j]);
                return before;
            }
        if (GetTickCount() - start > 10000) return seen;
        Sleep(5);
    }
}
