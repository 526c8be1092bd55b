#include "app/lifecycle.h"

#include <windows.h>

#include "capture/tool_deployment.h"
#include "capture/trigger.h"
#include "platform/hotkey.h"
#include "ui/window_layer.h"

int32_t captureHotkeyId = 0;

namespace {

void exitRoutine() {}

int32_t startupRoutine() { return 0; }

}  // namespace

void onMainWindowCreated() {
    const HWND main = mainWindowHandle();
    const HWND label = controlHandle(TRIGGER_LABEL);
    captureHotkeyId = registerHotkey(main, label, 0, VK_F2);  // a refusal is not reported
    captureMode = ActiveWindow;
    deployCaptureTool();
    performCapture();  // every start: one Alt+PrintScreen before the window shows
}

void onMainWindowWillBeDestroyed() {
    unregisterHotkey(mainWindowHandle(), captureHotkeyId);
    endProgram(0);
}

int runProgramEntry() {
    initialisePlatform();
    registerExitRoutine(exitRoutine);
    startupRoutine();
    loadMainWindow(mainWindowDescription);
    runMessageLoop();
    // A WM_QUIT from outside ended the loop while the window exists: destroy it,
    // so that the hotkey is released and the program ends with 0.
    if (const HWND main = mainWindowHandle()) DestroyWindow(main);
    endProgram(0);
}
