#include "controls_fixture.h"
#include "https_handler.h"

namespace {

// What shows that the launcher has taken the press.
enum class Taken { MoveLoop, ControlCapture, PageOpened };

struct StartPoint {
    const char* name;
    int id;
    POINT point;  // in the control's client area; {-1, -1}: its middle
    bool drags;
    Taken taken;
};

constexpr POINT MIDDLE = {-1, -1};

const StartPoint START_POINTS[] = {
    {"header band", ID_HEADER, {150, 25}, true, Taken::MoveLoop},
    {"title (disabled, the header lies beneath)", ID_TITLE, MIDDLE, true, Taken::MoveLoop},
    {"background of the shape box", ID_SHAPE_BOX, {140, 75}, true, Taken::MoveLoop},
    {"group box frame", ID_GROUP_BOX, {2, 20}, true, Taken::MoveLoop},
    {"inside the group box between radio buttons", ID_GROUP_BOX, {87, 24}, true, Taken::MoveLoop},
    {"icon", ID_ICON, MIDDLE, true, Taken::MoveLoop},
    {"radio button", ID_ACTIVE_WINDOW, MIDDLE, false, Taken::ControlCapture},
    {"minimise button", ID_MINIMISE, MIDDLE, false, Taken::ControlCapture},
    {"close button", ID_CLOSE, MIDDLE, false, Taken::ControlCapture},
    {"usage line", ID_USAGE_LINE, MIDDLE, false, Taken::PageOpened},
};

}  // namespace

TEST_F(Controls, ADragMovesTheWindowOnlyFromPassivePoints) {
    HttpsHandler handler(binPath("probe.exe"));  // the usage line opens a page
    start();
    int sign = 1;
    for (const StartPoint& start : START_POINTS) {
        SCOPED_TRACE(start.name);
        const HWND hwnd = control(start.id);
        const POINT from = start.point.x < 0 ? middleOf(hwnd) : onScreen(hwnd, start.point.x, start.point.y);
        const POINT before = windowOrigin();
        const size_t logSize = readWholeFile(probeLog()).size();
        bool movingDuringDrag = false;
        drag(from, 40 * sign, 30 * sign, [&] {
            switch (start.taken) {
            case Taken::MoveLoop: return launcherInMoveLoop();
            case Taken::ControlCapture: return launcherThread().hwndCapture == hwnd;
            case Taken::PageOpened: return readWholeFile(probeLog()).size() > logSize;
            }
            return false;
        });
        movingDuringDrag = launcherInMoveLoop() || windowMovedFrom(before);
        if (start.drags) {
            EXPECT_TRUE(waitUntil([&] { return windowMovedFrom(before); })) << "the window stayed";
            EXPECT_TRUE(waitUntil([&] { return !launcherInMoveLoop(); }));
        } else {
            EXPECT_FALSE(movingDuringDrag);
            EXPECT_FALSE(windowMovedFrom(before));
            // A header drag afterwards still works: the press before it was
            // handled and left nothing behind.
            dragHeaderAndWait(-17 * sign, 11 * sign);
        }
        EXPECT_FALSE(IsIconic(windows.main));
        ASSERT_TRUE(launcher.running());
        sign = -sign;
    }
}
