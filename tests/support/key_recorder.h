#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// One key event as a low-level keyboard hook saw it.
struct KeyEvent {
    uint32_t vkCode;
    uint32_t scanCode;
    bool up;
    bool injected;
    bool extended;
    ULONG_PTR extraInfo;
    int observed;  // what the recorder's observer returned when the event arrived
};

// Called on the hook thread for each event, while the sender waits for the hook.
using KeyObserver = int (*)();

std::string describe(const std::vector<KeyEvent>& events);

// Records every key event of the session with a WH_KEYBOARD_LL hook on a
// thread of its own, from construction to destruction.
class KeyRecorder {
public:
    explicit KeyRecorder(KeyObserver observer = nullptr);
    ~KeyRecorder();
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // Waits until at least count events have arrived or the deadline passes;
    // returns the events seen so far.
    std::vector<KeyEvent> waitForEvents(size_t count, DWORD deadlineMs = 10000);
    std::vector<KeyEvent> events();
    // Lets any events still in flight arrive: a round trip through the hook
    // thread after a marker key.
    std::vector<KeyEvent> eventsAfterMarker();
    void clear();

private:
    static DWORD WINAPI threadMain(void* self);
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
};

// A marker key that nothing else sends, used to flush the hook's queue.
constexpr uint8_t MARKER_KEY = VK_F24;
