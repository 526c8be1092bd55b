#include "capture/trigger.h"

#include <windows.h>

#include "capture/compare_text.h"
#include "capture/tool_deployment.h"
#include "platform/key_chords.h"
#include "platform/process.h"
#include "ui/window_layer.h"

int32_t captureMode = 0;

const char TRIGGER_LABEL[] = "标签1";
const char RUNNING_TEXT[] = "正在运行";
const char STOPPED_TEXT[] = "已经停止";

namespace {
constexpr int32_t TOOL_SHOW_MODE = 3;  // SW_SHOWMINIMIZED
}

void performCapture() {
    // Three separate tests: exactly one acts for 1, 2 or 3.
    if (captureMode == RegionTool) runProgram(CAPTURE_TOOL_PATH, true, TOOL_SHOW_MODE);
    if (captureMode == ActiveWindow) simulateKeys(VK_MENU, VK_SNAPSHOT);
    if (captureMode == FullScreen) simulateKeys(VK_CONTROL, VK_SNAPSHOT);
}

void onHotkeyFeedback(int32_t, int32_t) {
    setWindowPosition(2);
    bool running;
    {
        const auto caption = readCaption(TRIGGER_LABEL);  // null reads as empty
        running = compareText(caption.get(), RUNNING_TEXT) == 0;
    }
    if (running) {
        performCapture();
        // Only after the capture: during a tool run the label still reads Running.
        writeCaption(TRIGGER_LABEL, STOPPED_TEXT);
    } else {
        writeCaption(TRIGGER_LABEL, RUNNING_TEXT);
    }
}

void onRegionToolClicked() { captureMode = RegionTool; }
void onActiveWindowClicked() { captureMode = ActiveWindow; }
void onFullScreenClicked() { captureMode = FullScreen; }
