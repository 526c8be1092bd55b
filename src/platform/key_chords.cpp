#include "platform/key_chords.h"

#include <windows.h>

uint8_t ChordKey::resolve() const {
    switch (kind_) {
    case Kind::Code:
        return static_cast<uint8_t>(code_ & 0xFF);
    case Kind::Text: {
        // An empty text, or a character the layout cannot produce (-1), sends
        // nothing rather than a key the caller never named.
        if (text_ == nullptr || text_[0] == '\0') return 0;
        const SHORT scan = VkKeyScanExA(text_[0], GetKeyboardLayout(0));
        if (scan == -1) return 0;
        return static_cast<uint8_t>(scan & 0xFF);  // the shift state is dropped
    }
    case Kind::Omitted:
        break;
    }
    return 0;
}

void simulateKeys(ChordKey firstKey, ChordKey secondKey, ChordKey thirdKey) {
    const ChordKey* slots[] = {&firstKey, &secondKey, &thirdKey};
    uint8_t codes[3];
    bool present[3];
    for (int i = 0; i < 3; ++i) codes[i] = slots[i]->resolve();
    // The first key counts whatever its code, unless it is a text that
    // resolved to nothing; the optional slots are absent when their code is 0.
    present[0] = codes[0] != 0 || firstKey.resolvesAsCode();
    present[1] = codes[1] != 0;
    present[2] = codes[2] != 0;
    for (int i = 0; i < 3; ++i)
        if (present[i]) keybd_event(codes[i], 0, 0, 0);
    for (int i = 0; i < 3; ++i)
        if (present[i]) keybd_event(codes[i], 0, KEYEVENTF_KEYUP, 0);
}
