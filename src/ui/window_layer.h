#pragma once
#include <windows.h>
#include <cstdint>

#include "platform/heap_text.h"

#include "ui/window_description.h"

// The program's layer over Windows: it builds the main window from its
// description, raises the events bound there, runs the message loop and ends
// the process.

// Process start-up: the current directory becomes the program file's folder.
void initialisePlatform();

// The routine that endProgram runs once before the process ends.
void registerExitRoutine(void (*routine)());

// Creates the window and its controls (hidden), raises the created event,
// then shows the window. A window that cannot be created is fatal: a message
// box, then the process ends with -1.
void loadMainWindow(const WindowDescription& description);

// Dispatches messages until WM_QUIT; returns at once when there is no window.
void runMessageLoop();

// Runs the exit routine, releases the layer's resources and ends the process.
// No event handler runs once it has begun.
[[noreturn]] void endProgram(int32_t exitCode);

// The main window, or 0 when it does not exist.
HWND mainWindowHandle();
// A control of the main window by its name, or 0 when there is none.
HWND controlHandle(const char* name);

// A copy of a control's caption; null when it is empty or cannot be read.
HeapText readCaption(const char* name);
// Sets a label's caption and marks it for repainting.
void writeCaption(const char* name, const char* text);

// The main window's position setting: 0 normal, 1 centred, 2 minimised,
// 3 maximised, stored clamped; it acts on the window only while visible.
void setWindowPosition(int32_t position);
int32_t windowPosition();

// Requests the window's destruction at the next dispatch of
// WM_DESTROY_REQUEST; returns at once.
void destroyWindowDeferred(HWND window);
