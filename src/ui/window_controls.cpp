#include "ui/window_controls.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/window_layer.h"

const char AUTHOR_PAGE_ADDRESS[] = "https://zelvik.github.io/";

void openWebPage(const char* address) {
    // An open "Microsoft Internet Explorer" window, if any, owns the call.
    const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void onMinimiseClicked() { setWindowPosition(2); }

void onCloseClicked() { destroyWindowDeferred(mainWindowHandle()); }

PressResult onLinkLabelPressed(int32_t, int32_t, int32_t) {
    openWebPage(AUTHOR_PAGE_ADDRESS);
    return PressResult::None;  // the press goes on to the label
}
