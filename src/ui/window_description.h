#pragma once
#include <windows.h>
#include <cstdint>

// The window description: constant data that the window layer turns into the
// main window and its controls. Nothing about a particular control is coded
// anywhere else.

enum class ControlKind : uint8_t {
    PictureButton,    // 图形按钮
    PictureBox,       // 图片框
    TransparentLabel, // 透明标签
    Label,            // 标签
    GroupBox,         // 分组框
    RadioButton,      // 单选框
    ShapeBox,         // 外形框
};

// A colour of the description: an RGB value, or the system's button face.
struct Colour {
    bool buttonFace;
    COLORREF rgb;
    COLORREF resolve() const { return buttonFace ? GetSysColor(COLOR_BTNFACE) : rgb; }
};
constexpr Colour rgbColour(uint8_t r, uint8_t g, uint8_t b) { return {false, RGB(r, g, b)}; }
constexpr Colour BUTTON_FACE = {true, 0};

struct FontDescription {
    const char* faceName;  // GBK
    int height;            // negative: character height in pixels
};

enum class HorizontalAlign : uint8_t { Left, Centre };

// Picture resources; 0 is none.
using PictureId = uint16_t;

// A vertical gradient through up to three stops.
struct Gradient {
    int stopCount;
    COLORREF stops[3];
};

// Bound events. A handler that is null is unbound.
using PlainHandler = void (*)();
using FeedbackHandler = void (*)(int32_t first, int32_t second);
// Reports whether the press goes on: false consumes it.
enum class PressResult : uint8_t { None, LetThrough, Consume };
using PressHandler = PressResult (*)(int32_t x, int32_t y, int32_t keyState);

struct ControlEvents {
    PlainHandler clicked = nullptr;
    PressHandler leftButtonPressed = nullptr;
    FeedbackHandler feedback = nullptr;
};

struct ControlDescription {
    const char* name;  // GBK, as the code refers to the control
    ControlKind kind;
    int container;     // index of the containing control, or -1 for the main window
    POINT place;       // in the container's client area
    SIZE size;
    bool visible;
    bool enabled;
    const char* text;  // GBK caption, or null
    const FontDescription* font;
    Colour textColour;
    Colour background;
    HorizontalAlign align;
    const Gradient* gradient;
    PictureId pictures[3];  // normal, hover, pressed (picture buttons); [0] for a picture box
    bool handCursor;
    bool checked;           // radio buttons
    Colour outline;         // shape box
    ControlEvents events;
};

struct WindowDescription {
    const char* className;
    const char* title;  // GBK
    SIZE size;
    int windowPosition;  // 0 normal, 1 centred, 2 minimised, 3 maximised
    bool visible;
    bool dragAnywhere;
    bool escapeCloses;
    PictureId icon;
    const ControlDescription* controls;
    int controlCount;
    PlainHandler created;
    PlainHandler willBeDestroyed;
};

// The one window of the program.
extern const WindowDescription mainWindowDescription;
