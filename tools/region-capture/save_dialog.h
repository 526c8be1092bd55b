#pragma once
#include <windows.h>

// Asks where to save with the standard Save dialog, offering PNG, JPEG and
// BMP, starting in the user's Pictures folder with a name holding the date
// and time. False when the user cancels.
bool askSavePath(HWND owner, char* path, int size);
