#pragma once
#include <cstdint>

// Show modes of runProgram, clamped to 1..6: 1 SW_HIDE, 2 SW_SHOWNORMAL,
// 3 SW_SHOWMINIMIZED, 4 SW_SHOWMAXIMIZED, 5 SW_SHOWNOACTIVATE, 6 SW_MINIMIZE.
constexpr int32_t DEFAULT_SHOW_MODE = 2;
uint16_t showWindowForMode(int32_t showMode);

// Starts commandLine (unchanged, no inherited handles, the caller's
// environment and directory). With wait, returns when the program has ended;
// without, when it waits for input or after a second at most. True when the
// process was created.
bool runProgram(const char* commandLine, bool wait, int32_t showMode = DEFAULT_SHOW_MODE);
