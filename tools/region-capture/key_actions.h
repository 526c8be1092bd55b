#pragma once

// What a key press asks of the overlay.
enum class KeyCommand { None, Copy, Save, Cancel, Move, Resize };

struct KeyAction {
    KeyCommand command;
    int dx;  // Move: offset; Resize: change of width
    int dy;  // Move: offset; Resize: change of height
};

// virtualKey is a Win32 VK_ code; ctrl and shift tell which modifiers are down.
KeyAction actionForKey(unsigned virtualKey, bool ctrl, bool shift);
