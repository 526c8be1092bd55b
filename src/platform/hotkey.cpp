#include "platform/hotkey.h"

#include "platform/messages.h"
#include "platform/window_proc.h"

namespace {

// Process-wide: every hotkey shares one feedback target, and at most one
// window is subclassed at a time.
struct HotkeyService {
    int32_t activeHotkeyCount = 0;  // registrations not yet matched by a release
    int32_t hotkeySerial = 0;       // identifiers issued so far; never decreases
    uint32_t lastHotkeyId = 0;
    HWND hotkeyTarget = nullptr;
    WNDPROC previousWndProc = nullptr;
};

HotkeyService service;

}  // namespace

UINT hotkeyModifierFlags(int32_t modifierCode) {
    // The codes are not the MOD_ values: code 1 is Ctrl, code 4 is Alt.
    static const UINT flagsByCode[] = {
        0,                        // 0: none
        MOD_CONTROL,              // 1: Ctrl
        MOD_SHIFT,                // 2: Shift
        MOD_CONTROL | MOD_SHIFT,  // 3: Ctrl+Shift
        MOD_ALT,                  // 4: Alt
        MOD_CONTROL | MOD_ALT,    // 5: Ctrl+Alt
        MOD_SHIFT | MOD_ALT,      // 6: Shift+Alt
    };
    if (modifierCode >= 0 && modifierCode < 7) return flagsByCode[modifierCode];
    return static_cast<UINT>(modifierCode);
}

int32_t registerHotkey(HWND ownerWindow, HWND target, int32_t modifierCode, int32_t virtualKey) {
    // The target changes even when the system refuses the key below.
    service.hotkeyTarget = target;
    const UINT modifiers = hotkeyModifierFlags(modifierCode);
    if (service.previousWndProc == nullptr)
        service.previousWndProc = replaceWindowProc(ownerWindow, hotkeyWindowProc);
    service.activeHotkeyCount += 1;
    service.hotkeySerial += 1;
    service.lastHotkeyId = HOTKEY_ID_BASE + service.hotkeySerial;
    // No MOD_NOREPEAT: a held key raises one feedback per auto-repeat.
    if (RegisterHotKey(ownerWindow, static_cast<int>(service.lastHotkeyId), modifiers,
                       static_cast<UINT>(virtualKey)))
        return static_cast<int32_t>(service.lastHotkeyId);
    return 0;
}

bool unregisterHotkey(HWND ownerWindow, int32_t hotkeyId) {
    LONG_PTR result = UnregisterHotKey(ownerWindow, hotkeyId);
    service.activeHotkeyCount -= 1;
    if (service.previousWndProc != nullptr && service.activeHotkeyCount == 0) {
        result = reinterpret_cast<LONG_PTR>(replaceWindowProc(ownerWindow, service.previousWndProc));
        service.previousWndProc = nullptr;
    }
    return result != 0;
}

LRESULT CALLBACK hotkeyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        for (uint32_t id = HOTKEY_ID_BASE + 1; id <= service.lastHotkeyId; ++id) {
            if (id == wParam) SendMessageA(service.hotkeyTarget, WM_FEEDBACK, wParam, 0);
        }
    }
    return CallWindowProcA(service.previousWndProc, hwnd, message, wParam, lParam);
}
