#pragma once
#include <cstdint>

// The capture method, as chosen with the radio buttons.
enum CaptureMode : int32_t {
    RegionTool = 1,    // run the capture tool and wait for it
    ActiveWindow = 2,  // Alt+PrintScreen
    FullScreen = 3,    // Ctrl+PrintScreen
};

// 0 until the main window's created handler sets ActiveWindow.
extern int32_t captureMode;

// The trigger state is the caption of the hidden label 标签1.
extern const char TRIGGER_LABEL[];
extern const char RUNNING_TEXT[];  // "正在运行"
extern const char STOPPED_TEXT[];  // "已经停止"

// Captures once by captureMode; nothing for any other value.
void performCapture();

// Each hotkey press: minimise, then capture in the Running state and move to
// Stopped, or only move back to Running.
void onHotkeyFeedback(int32_t hotkeyId, int32_t unused);

void onRegionToolClicked();
void onActiveWindowClicked();
void onFullScreenClicked();
