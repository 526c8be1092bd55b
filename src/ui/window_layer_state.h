#pragma once
// Internal to the window layer: the live windows behind the description.
#include <windows.h>

#include "ui/gdi.h"
#include "ui/window_description.h"

struct ControlInstance {
    const ControlDescription* description = nullptr;
    HWND hwnd = nullptr;
    int drawState = 0;           // picture buttons: 0 normal, 1 hover, 2 pressed
    UniqueFont font;             // system BUTTON controls keep theirs for life
    UniqueBitmap pictures[3];    // normal, hover, pressed
    UniqueIcon icon;             // picture box
    WNDPROC systemProc = nullptr;  // the BUTTON class procedure we forward to
};

struct MainWindowState {
    const WindowDescription* description = nullptr;
    HWND hwnd = nullptr;
    bool pendingDestroy = false;
    int32_t windowPosition = 1;
    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
    static constexpr int MAX_CONTROLS = 32;
    ControlInstance controls[MAX_CONTROLS];  // in description order
    int controlCount = 0;
    ControlInstance* begin() { return controls; }
    ControlInstance* end() { return controls + controlCount; }
    bool ending = false;                    // endProgram has begun: no more events
};

MainWindowState& windowLayer();
ControlInstance* findControl(HWND hwnd);

// Raising events: nothing runs once the program is ending.
void raisePlain(PlainHandler handler);

// Creation steps of the main window; false when a window cannot be created.
bool createMainWindow(const WindowDescription& description);

// Painting and input of the custom-drawn controls.
void paintControl(ControlInstance& control);
bool handlePictureButtonMouse(ControlInstance& control, UINT message, WPARAM wParam, LPARAM lParam);

// Messages that the main window examines before they are dispatched; true
// when the message is consumed.
bool preTranslateMessage(const MSG& message);

// A font of the description (LOGFONT as designed); empty when it cannot be made.
UniqueFont createDescribedFont(const FontDescription& font);

// Loading pictures from the program's resources.
UniqueIcon loadIconImage(WORD iconGroupId, int size);
UniqueBitmap loadBitmapPicture(WORD bitmapId);
