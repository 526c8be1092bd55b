#include <gtest/gtest.h>

#include "platform/hotkey.h"
#include "platform/process.h"

TEST(ShowModes, MapToShowWindowValuesWithClamping) {
    struct Row {
        int32_t mode;
        uint16_t showWindow;
    };
    static const Row rows[] = {
        {-5, SW_HIDE}, {0, SW_HIDE},           {1, SW_HIDE},           {2, SW_SHOWNORMAL},
        {3, SW_SHOWMINIMIZED}, {4, SW_SHOWMAXIMIZED}, {5, SW_SHOWNOACTIVATE}, {6, SW_MINIMIZE},
        {7, SW_MINIMIZE}, {1000, SW_MINIMIZE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        EXPECT_EQ(showWindowForMode(row.mode), row.showWindow);
    }
    EXPECT_EQ(DEFAULT_SHOW_MODE, 2);
}

TEST(HotkeyModifiers, CodesMapToFlagsAndOthersPassRaw) {
    struct Row {
        int32_t code;
        UINT flags;
    };
    static const Row rows[] = {
        {0, 0},
        {1, MOD_CONTROL},
        {2, MOD_SHIFT},
        {3, MOD_CONTROL | MOD_SHIFT},
        {4, MOD_ALT},
        {5, MOD_CONTROL | MOD_ALT},
        {6, MOD_SHIFT | MOD_ALT},
        {7, 7},  // raw: Alt+Ctrl+Shift
        {8, MOD_WIN},
        {-1, static_cast<UINT>(-1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(hotkeyModifierFlags(row.code), row.flags);
    }
}
