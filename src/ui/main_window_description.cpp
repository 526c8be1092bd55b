#include "ui/window_description.h"

#include "app/lifecycle.h"
#include "capture/trigger.h"
#include "res/resource.h"
#include "ui/window_controls.h"

namespace {

const FontDescription TAHOMA_12 = {"Tahoma", -12};
const FontDescription TAHOMA_14 = {"Tahoma", -14};
const FontDescription SONG_16 = {"宋体", -16};

const Gradient HEADER_GRADIENT = {3, {RGB(86, 197, 243), RGB(50, 185, 239), RGB(31, 178, 239)}};

constexpr Colour BLACK = rgbColour(0, 0, 0);
constexpr Colour WHITE = rgbColour(255, 255, 255);
constexpr Colour NONE = BUTTON_FACE;

// Indices of the containers in the table below.
constexpr int GROUP_BOX = 9;
constexpr int SHAPE_BOX = 11;
constexpr int MAIN = -1;

// The order decides which control covers which: earlier ones lie on top.
const ControlDescription controls[] = {
    {"图形按钮_最小化", ControlKind::PictureButton, MAIN, {212, 0}, {26, 19}, true, true, nullptr,
     nullptr, BLACK, NONE, HorizontalAlign::Left, nullptr,
     {IDB_MINIMISE_NORMAL, IDB_MINIMISE_HOVER, IDB_MINIMISE_PRESSED}, false, false, NONE,
     {onMinimiseClicked, nullptr, nullptr}},
    {"图片框1", ControlKind::PictureBox, MAIN, {8, 8}, {16, 16}, true, true, nullptr, nullptr, BLACK,
     rgbColour(50, 187, 239), HorizontalAlign::Left, nullptr, {IDI_APP, 0, 0}, false, false, NONE,
     {}},
    {"透明标签2", ControlKind::TransparentLabel, MAIN, {32, 8}, {176, 16}, true, false,
     "Zelvik专业截图1.0 卍 Zelvik 卐", &TAHOMA_12, WHITE, NONE, HorizontalAlign::Left, nullptr,
     {0, 0, 0}, true, false, NONE, {}},
    {"单选框3", ControlKind::RadioButton, GROUP_BOX, {184, 16}, {70, 17}, true, true, "截取全屏",
     &TAHOMA_12, BLACK, BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false, NONE,
     {onFullScreenClicked, nullptr, nullptr}},
    {"单选框2", ControlKind::RadioButton, GROUP_BOX, {96, 16}, {70, 17}, true, true, "当前窗口",
     &TAHOMA_12, BLACK, BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, true, NONE,
     {onActiveWindowClicked, nullptr, nullptr}},
    {"单选框1", ControlKind::RadioButton, GROUP_BOX, {8, 16}, {70, 17}, true, true, "任意截屏",
     &TAHOMA_12, BLACK, BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false, NONE,
     {onRegionToolClicked, nullptr, nullptr}},
    {"图形按钮_关闭", ControlKind::PictureButton, MAIN, {238, 0}, {42, 19}, true, true, nullptr,
     nullptr, BLACK, NONE, HorizontalAlign::Left, nullptr,
     {IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED}, false, false, NONE,
     {onCloseClicked, nullptr, nullptr}},
    {"透明标签1", ControlKind::TransparentLabel, SHAPE_BOX, {8, 79}, {264, 24}, true, true,
     "使用方法：按住F2开始/结束截屏 QQ88006688", &TAHOMA_12, BLACK, NONE, HorizontalAlign::Centre,
     nullptr, {0, 0, 0}, true, false, NONE, {nullptr, onLinkLabelPressed, nullptr}},
    {"标签1", ControlKind::Label, MAIN, {580, 245}, {88, 32}, false, true, "正在运行", &SONG_16,
     rgbColour(255, 0, 0), BUTTON_FACE, HorizontalAlign::Centre, nullptr, {0, 0, 0}, false, false,
     NONE, {nullptr, nullptr, onHotkeyFeedback}},
    {"分组框1", ControlKind::GroupBox, MAIN, {7, 31}, {265, 41}, true, true, "", &TAHOMA_14, BLACK,
     BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false, NONE, {}},
    {"背景色上", ControlKind::Label, MAIN, {1, 1}, {279, 30}, true, true, "", &TAHOMA_12, BLACK,
     rgbColour(84, 196, 243), HorizontalAlign::Left, &HEADER_GRADIENT, {0, 0, 0}, false, false,
     NONE, {}},
    {"外形框1", ControlKind::ShapeBox, MAIN, {0, 0}, {280, 110}, true, true, nullptr, nullptr, BLACK,
     BUTTON_FACE, HorizontalAlign::Left, nullptr, {0, 0, 0}, false, false, rgbColour(0, 136, 255),
     {}},
};

}  // namespace

const WindowDescription mainWindowDescription = {
    "WTWindow",
    "Zelvik专业截图1.0",
    {280, 110},
    1,  // centred
    true,
    true,  // drag by any passive point
    true,  // Esc closes
    IDI_APP,
    controls,
    static_cast<int>(sizeof controls / sizeof controls[0]),
    onMainWindowCreated,
    onMainWindowWillBeDestroyed,
};
