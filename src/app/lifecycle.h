#pragma once
#include <cstdint>

// The hotkey identifier that the F2 registration returned; 0 when refused.
extern int32_t captureHotkeyId;

void onMainWindowCreated();
[[noreturn]] void onMainWindowWillBeDestroyed();

// The entry routine: start-up, the message loop, and the end after a WM_QUIT
// from outside.
int runProgramEntry();
