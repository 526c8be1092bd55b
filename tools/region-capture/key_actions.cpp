#include "key_actions.h"

#include <windows.h>

KeyAction actionForKey(unsigned virtualKey, bool ctrl, bool shift) {
    int dx = 0, dy = 0;
    switch (virtualKey) {
    case VK_RETURN: return KeyAction{KeyCommand::Copy, 0, 0};
    case VK_ESCAPE: return KeyAction{KeyCommand::Cancel, 0, 0};
    case 'C': return KeyAction{ctrl ? KeyCommand::Copy : KeyCommand::None, 0, 0};
    case 'S': return KeyAction{ctrl ? KeyCommand::Save : KeyCommand::None, 0, 0};
    case VK_LEFT: dx = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    default: return KeyAction{KeyCommand::None, 0, 0};
    }
    // Shift+Left/Up shrink, Shift+Right/Down grow the box from its right and bottom edges.
    return KeyAction{shift ? KeyCommand::Resize : KeyCommand::Move, dx, dy};
}
