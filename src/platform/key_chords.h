#pragma once
#include <cstdint>

// One key of a chord: a virtual-key code (only its low 8 bits count), a text
// (its first character, mapped through the keyboard layout) or nothing.
class ChordKey {
public:
    ChordKey() = default;  // an omitted slot
    ChordKey(int32_t virtualKey) : kind_(Kind::Code), code_(virtualKey) {}
    ChordKey(const char* text) : kind_(Kind::Text), text_(text) {}

    // The 8-bit code to send, or 0 when the slot sends nothing.
    uint8_t resolve() const;
    // A key given as a code is sent even as code 0 in the first slot.
    bool resolvesAsCode() const { return kind_ == Kind::Code; }

private:
    enum class Kind { Omitted, Code, Text };
    Kind kind_ = Kind::Omitted;
    int32_t code_ = 0;
    const char* text_ = nullptr;
};

// Presses the keys in slot order, then releases them in the same order, with
// keybd_event: scan code 0, extra information 0, no pause. The first key is
// always sent, whatever its code; an absent second or third key is skipped.
void simulateKeys(ChordKey firstKey, ChordKey secondKey = {}, ChordKey thirdKey = {});
