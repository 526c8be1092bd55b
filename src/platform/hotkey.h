#pragma once
#include <windows.h>
#include <cstdint>

// System-wide hotkeys whose presses arrive as the feedback event
// (WM_FEEDBACK, wParam = identifier, lParam = 0) of one target control.
constexpr int32_t HOTKEY_ID_BASE = 33000;

// Modifier codes of registerHotkey: 0 none, 1 Ctrl, 2 Shift, 3 Ctrl+Shift,
// 4 Alt, 5 Ctrl+Alt, 6 Shift+Alt; any other value is passed on as raw flags.
UINT hotkeyModifierFlags(int32_t modifierCode);

// Registers virtualKey with the modifiers of modifierCode for ownerWindow and
// makes target the receiver of every hotkey's feedback. Returns the new
// identifier (33001, 33002, ...) or 0 when the system refuses.
int32_t registerHotkey(HWND ownerWindow, HWND target, int32_t modifierCode, int32_t virtualKey);

// Releases a hotkey; the release that matches the last registration puts the
// owner window's previous procedure back.
bool unregisterHotkey(HWND ownerWindow, int32_t hotkeyId);

LRESULT CALLBACK hotkeyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
