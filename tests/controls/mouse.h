#pragma once
#include <windows.h>

// The mouse as a user moves it: real input through SendInput.
void moveMouseTo(POINT screen);
void pressLeft();
void releaseLeft();

// A point of a window's client area on the screen.
POINT onScreen(HWND window, int x, int y);
// The middle of a window's client area on the screen.
POINT middleOf(HWND window);

// Parks the pointer on the desktop, away from every window.
void parkPointer();
