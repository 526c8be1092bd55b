#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shown_launcher.h"
#include "support/test_support.h"

namespace {

// "Zelvik专业截图1.0" as GBK bytes.
const char TITLE_GBK[] = "Zelvik\xD7\xA8\xD2\xB5\xBD\xD8\xCD\xBC" "1.0";
constexpr int MAIN = 0;

struct ExpectedControl {
    int id;
    int parent;  // MAIN or the containing control's identifier
    const char* className;
    POINT place;  // in the parent's client area
    SIZE size;
    bool visible;
    bool enabled;
    DWORD buttonStyle;  // the BUTTON style bits (low word), 0 for our own controls
    const char* text;
};

const ExpectedControl CONTROLS[] = {
    {ID_MINIMISE, MAIN, "ZelvikControl", {212, 0}, {26, 19}, true, true, 0, ""},
    {ID_ICON, MAIN, "ZelvikControl", {8, 8}, {16, 16}, true, true, 0, ""},
    {ID_TITLE, MAIN, "ZelvikControl", {32, 8}, {176, 16}, true, false, 0, "Zelvik专业截图1.0 卍 Zelvik 卐"},
    {ID_FULL_SCREEN, ID_GROUP_BOX, "Button", {184, 16}, {70, 17}, true, true,
     BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, "截取全屏"},
    {ID_ACTIVE_WINDOW, ID_GROUP_BOX, "Button", {96, 16}, {70, 17}, true, true,
     BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, "当前窗口"},
    {ID_REGION_TOOL, ID_GROUP_BOX, "Button", {8, 16}, {70, 17}, true, true,
     BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, "任意截屏"},
    {ID_CLOSE, MAIN, "ZelvikControl", {238, 0}, {42, 19}, true, true, 0, ""},
    {ID_USAGE_LINE, ID_SHAPE_BOX, "ZelvikControl", {8, 79}, {264, 24}, true, true, 0,
     "使用方法：按住F2开始/结束截屏 QQ88006688"},
    {ID_STATE_LABEL, MAIN, "ZelvikControl", {580, 245}, {88, 32}, false, true, 0, "正在运行"},
    {ID_GROUP_BOX, MAIN, "Button", {7, 31}, {265, 41}, true, true, BS_GROUPBOX | BS_LEFT, ""},
    {ID_HEADER, MAIN, "ZelvikControl", {1, 1}, {279, 30}, true, true, 0, ""},
    {ID_SHAPE_BOX, MAIN, "ZelvikControl", {0, 0}, {280, 110}, true, true, 0, nullptr},
};

std::vector<int> stackingOfChildren(HWND parent) {
    std::vector<int> ids;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    return ids;
}

std::string className(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The launcher's main window on a desktop of its own (Wine's virtual desktop).
struct DesktopSearch {
    HWND found = nullptr;
};
BOOL CALLBACK findOnDesktop(HWND hwnd, LPARAM parameter) {
    if (className(hwnd) == "WTWindow") {
        reinterpret_cast<DesktopSearch*>(parameter)->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void expectOuterAndClientRect(HWND main, POINT place) {
    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.left, place.x);
    EXPECT_EQ(outer.top, place.y);
    EXPECT_EQ(outer.right - outer.left, 280);
    EXPECT_EQ(outer.bottom - outer.top, 110);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 280);
    EXPECT_EQ(client.bottom, 110);
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x, place.x) << "the client area starts where the window does: no frame";
    EXPECT_EQ(origin.y, place.y);
}

class MainWindow : public ShownLauncher {};

}  // namespace

TEST_F(MainWindow, IsACaptionlessTaskbarWindowOfTheDesignedClassTitleAndPlace) {
    const HWND main = windows.main;
    EXPECT_EQ(className(main), "WTWindow");
    EXPECT_EQ(windowText(main), TITLE_GBK);

    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(style & (WS_POPUP | WS_CHILD), 0) << "an overlapped window";
    EXPECT_NE(style & WS_CLIPCHILDREN, 0);
    EXPECT_NE(style & WS_VISIBLE, 0);
    const LONG_PTR exStyle = GetWindowLongPtrA(main, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME), 0);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr) << "unowned: it has a taskbar button";

    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    expectOuterAndClientRect(main, {372, 329});
}

TEST(MainWindowPlace, IsCentredOnEachScreenSize) {
    struct Screen {
        const char* size;
        POINT place;
    };
    // Wine keeps the last desktop's size in the prefix's display settings,
    // where later programs find it: the last row is the test screen's own size.
    static const Screen screens[] = {
        {"1920x1080", {820, 485}},
        {"1024x768", {372, 329}},
    };
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.size);
        const std::string desktop = std::string("ZelvikScreen") + screen.size;
        ChildProcess explorer("explorer.exe /desktop=" + desktop + "," + screen.size + " \"" + zelvikPath() + "\"");
        ASSERT_TRUE(explorer.started());
        HDESK handle = nullptr;
        DesktopSearch search;
        const bool shown = waitUntil([&] {
            if (!handle) handle = OpenDesktopA(desktop.c_str(), 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
            if (!handle) return false;
            search = DesktopSearch();
            EnumDesktopWindows(handle, findOnDesktop, reinterpret_cast<LPARAM>(&search));
            // IsWindowVisible looks at the other desktop's root too; the style tells.
            return search.found && (GetWindowLongPtrA(search.found, GWL_STYLE) & WS_VISIBLE);
        }, 30000);
        ASSERT_TRUE(shown);
        expectOuterAndClientRect(search.found, screen.place);

        DWORD processId = 0;
        GetWindowThreadProcessId(search.found, &processId);
        HANDLE launcher = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
        PostMessageA(search.found, WM_CLOSE, 0, 0);
        if (launcher) {
            if (WaitForSingleObject(launcher, 10000) != WAIT_OBJECT_0) TerminateProcess(launcher, 99);
            CloseHandle(launcher);
        }
        CloseDesktop(handle);
    }
}

TEST_F(MainWindow, ControlsHaveTheDesignedIdentifiersParentsPlacesAndStacking) {
    ASSERT_EQ(windows.controls.size(), 12u);
    for (const ExpectedControl& expected : CONTROLS) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        const HWND control = windows.control(expected.id);
        ASSERT_NE(control, nullptr);
        const HWND parent = expected.parent == MAIN ? windows.main : windows.control(expected.parent);
        EXPECT_EQ(GetParent(control), parent);
        EXPECT_EQ(className(control), expected.className);
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, expected.place.x);
        EXPECT_EQ(place.top, expected.place.y);
        EXPECT_EQ(place.right - place.left, expected.size.cx);
        EXPECT_EQ(place.bottom - place.top, expected.size.cy);
        const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, expected.visible);
        EXPECT_EQ((style & WS_DISABLED) == 0, expected.enabled);
        if (expected.buttonStyle) {
            EXPECT_EQ(style & 0xFFFF, static_cast<LONG_PTR>(expected.buttonStyle));
        }
        if (expected.text) {
            EXPECT_EQ(windowText(control), expected.text);
        }
    }

    const std::vector<int> mainChildren = {ID_MINIMISE, ID_ICON,   ID_TITLE,  ID_CLOSE,
                                           ID_STATE_LABEL, ID_GROUP_BOX, ID_HEADER, ID_SHAPE_BOX};
    EXPECT_EQ(stackingOfChildren(windows.main), mainChildren);
    const std::vector<int> groupChildren = {ID_FULL_SCREEN, ID_ACTIVE_WINDOW, ID_REGION_TOOL};
    EXPECT_EQ(stackingOfChildren(windows.control(ID_GROUP_BOX)), groupChildren);
    const std::vector<int> shapeChildren = {ID_USAGE_LINE};
    EXPECT_EQ(stackingOfChildren(windows.control(ID_SHAPE_BOX)), shapeChildren);
}

TEST_F(MainWindow, OnlyTheActiveWindowMethodIsChecked) {
    struct Radio {
        int id;
        LRESULT check;
    };
    static const Radio radios[] = {
        {ID_REGION_TOOL, BST_UNCHECKED}, {ID_ACTIVE_WINDOW, BST_CHECKED}, {ID_FULL_SCREEN, BST_UNCHECKED}};
    for (const Radio& radio : radios) {
        SCOPED_TRACE(radio.id);
        EXPECT_EQ(SendMessageA(windows.control(radio.id), BM_GETCHECK, 0, 0), radio.check);
    }
}

// The state label's caption changes with every F2; the label never shows.
TEST_F(MainWindow, StateLabelStaysHiddenWhileTheStateChanges) {
    const HWND label = windows.control(ID_STATE_LABEL);
    EXPECT_FALSE(IsWindowVisible(label));
    FocusWindow focus;
    for (const char* state : {"已经停止", "正在运行", "已经停止"}) {
        SCOPED_TRACE(state);
        focus.activate();
        pressKey(VK_F2);
        EXPECT_TRUE(waitUntil([&] { return windowText(label) == state; }, 15000)) << windowText(label);
        EXPECT_EQ(GetWindowLongPtrA(label, GWL_STYLE) & WS_VISIBLE, 0);
        ShowWindow(windows.main, SW_RESTORE);
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(windows.main) && !IsIconic(windows.main); }));
        EXPECT_EQ(GetWindowLongPtrA(label, GWL_STYLE) & WS_VISIBLE, 0);
    }
}
