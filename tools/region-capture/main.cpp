#include <windows.h>

#include "command_line.h"
#include "overlay.h"
#include "picture.h"
#include "texts.h"
#include "window_finder.h"

// Region capture: freezes the whole virtual screen, lets the user choose a
// box on it, and copies it to the clipboard or saves it.

namespace {

Box virtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return boxOfSize(left, top, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

int fail(const char* text) {
    MessageBoxA(nullptr, text, TOOL_TITLE, MB_OK | MB_ICONERROR | MB_TOPMOST);
    return EXIT_FAULT;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const Options options = parseCommandLine(GetCommandLineA());
    if (!options.valid) {
        char text[sizeof USAGE + 128];
        wsprintfA(text, "%s%s\n\n%s", BAD_ARGUMENTS, options.error, USAGE);
        return fail(text);
    }
    if (options.help) {
        MessageBoxA(nullptr, USAGE, TOOL_TITLE, MB_OK | MB_ICONINFORMATION);
        return EXIT_TAKEN;
    }

    const Box screen = virtualScreen();
    if (!canHoldPicture(screen.width(), screen.height())) {
        char text[128];
        wsprintfA(text, SCREEN_TOO_LARGE, screen.width(), screen.height());
        return fail(text);
    }
    // The picture is taken before anything of ours is on screen.
    Picture frozen;
    if (!grabScreen(frozen, screen)) return fail(GRAB_FAILED);
    WindowFinder windows;
    windows.snapshot();
    Picture back;
    if (!back.create(screen.width(), screen.height())) return fail(GRAB_FAILED);

    Overlay overlay(frozen, back, screen, windows, options);
    return overlay.run();
}
