#include <gtest/gtest.h>

#include <vector>

#include "platform/hotkey.h"
#include "platform/messages.h"
#include "support/test_support.h"

namespace {

struct Feedback {
    HWND target;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Feedback> feedbacks;
std::vector<MSG> ownerMessages;  // what the owner's own procedure saw

LRESULT CALLBACK targetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_FEEDBACK) {
        feedbacks.push_back({hwnd, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY || message >= WM_APP) {
        MSG seen = {};
        seen.hwnd = hwnd;
        seen.message = message;
        seen.wParam = wParam;
        seen.lParam = lParam;
        ownerMessages.push_back(seen);
    }
    if (message == WM_APP + 1) return 1234 + static_cast<LRESULT>(wParam) + lParam;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND createWindow(const char* className, WNDPROC procedure, bool visible) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10,
                           200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

WNDPROC currentProc(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class HotkeyService : public ::testing::Test {
protected:
    void SetUp() override {
        feedbacks.clear();
        ownerMessages.clear();
        owner = createWindow("HotkeyOwner", ownerProc, true);
        targetA = createWindow("HotkeyTargetA", targetProc, false);
        targetB = createWindow("HotkeyTargetB", targetProc, false);
        SetForegroundWindow(owner);
        SetFocus(owner);
        pumpMessages();
    }
    void TearDown() override {
        DestroyWindow(owner);
        DestroyWindow(targetA);
        DestroyWindow(targetB);
    }

    // Presses keys for real and pumps until the owner has seen count WM_HOTKEYs.
    void pressAndWait(std::initializer_list<WORD> keys, size_t hotkeysExpected) {
        for (WORD key : keys) pressKey(key);
        waitUntil([&] {
            pumpMessages();
            size_t hotkeys = 0;
            for (const MSG& seen : ownerMessages) hotkeys += seen.message == WM_HOTKEY;
            return hotkeys >= hotkeysExpected;
        });
    }

    HWND owner = nullptr;
    HWND targetA = nullptr;
    HWND targetB = nullptr;
};

}  // namespace

TEST_F(HotkeyService, RealPressesRaiseTheTargetsFeedbackOnceEach) {
    EXPECT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 33001);
    EXPECT_EQ(registerHotkey(owner, targetA, 0, VK_F3), 33002);
    // F3 comes after F2: once its press has arrived, F2's feedbacks are all in.
    pressAndWait({VK_F2, VK_F3}, 2);
    ASSERT_EQ(feedbacks.size(), 2u);
    EXPECT_EQ(feedbacks[0].target, targetA);
    EXPECT_EQ(feedbacks[0].wParam, 33001u);
    EXPECT_EQ(feedbacks[0].lParam, 0);
    EXPECT_EQ(feedbacks[1].wParam, 33002u);
    // The owner's own procedure still gets each WM_HOTKEY, after the feedback.
    ASSERT_EQ(ownerMessages.size(), 2u);
    EXPECT_EQ(ownerMessages[0].wParam, 33001u);
    EXPECT_EQ(HIWORD(ownerMessages[0].lParam), VK_F2);
}

TEST_F(HotkeyService, ARefusedRegistrationReturnsZeroAndUsesUpItsNumber) {
    const HWND holder = createWindow("HotkeyHolder", DefWindowProcA, false);
    ASSERT_TRUE(RegisterHotKey(holder, 7, 0, VK_F2));
    EXPECT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 0);
    EXPECT_EQ(registerHotkey(owner, targetB, 0, VK_F3), 33002);
    // Even the refused one subclassed the window and moved the target.
    EXPECT_EQ(currentProc(owner), hotkeyWindowProc);
    pressAndWait({VK_F3}, 1);
    ASSERT_EQ(feedbacks.size(), 1u);
    EXPECT_EQ(feedbacks[0].target, targetB);
    UnregisterHotKey(holder, 7);
    DestroyWindow(holder);
}

TEST_F(HotkeyService, EveryHotkeyReachesTheTargetGivenLast) {
    EXPECT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 33001);
    EXPECT_EQ(registerHotkey(owner, targetB, 0, VK_F3), 33002);
    pressAndWait({VK_F2, VK_F3}, 2);
    ASSERT_EQ(feedbacks.size(), 2u);
    EXPECT_EQ(feedbacks[0].target, targetB);
    EXPECT_EQ(feedbacks[0].wParam, 33001u);
    EXPECT_EQ(feedbacks[1].target, targetB);
    EXPECT_EQ(feedbacks[1].wParam, 33002u);
}

TEST_F(HotkeyService, IdentifiersItDidNotIssueReachOnlyThePreviousProcedure) {
    ASSERT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 33001);
    for (WPARAM id : {WPARAM(5), WPARAM(33000), WPARAM(33002), WPARAM(0xFFFFFFFF)}) {
        SCOPED_TRACE(id);
        feedbacks.clear();
        ownerMessages.clear();
        SendMessageA(owner, WM_HOTKEY, id, MAKELPARAM(0, VK_F2));
        EXPECT_TRUE(feedbacks.empty());
        ASSERT_EQ(ownerMessages.size(), 1u);
        EXPECT_EQ(ownerMessages[0].wParam, id);
    }
    SendMessageA(owner, WM_HOTKEY, 33001, 0);
    ASSERT_EQ(feedbacks.size(), 1u);
    EXPECT_EQ(feedbacks[0].wParam, 33001u);
}

TEST_F(HotkeyService, OtherMessagesPassThroughWithTheirResult) {
    ASSERT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 33001);
    EXPECT_EQ(SendMessageA(owner, WM_APP + 1, 10, 20), 1234 + 30);
    ASSERT_EQ(ownerMessages.size(), 1u);
    EXPECT_EQ(ownerMessages[0].wParam, 10u);
    EXPECT_EQ(ownerMessages[0].lParam, 20);
    EXPECT_TRUE(feedbacks.empty());
}

TEST_F(HotkeyService, TheLastReleaseRestoresTheProcedureAndALaterRegistrationSubclassesAfresh) {
    ASSERT_EQ(currentProc(owner), ownerProc);
    const int32_t first = registerHotkey(owner, targetA, 0, VK_F2);
    const int32_t second = registerHotkey(owner, targetA, 0, VK_F3);
    EXPECT_EQ(currentProc(owner), hotkeyWindowProc);
    EXPECT_TRUE(unregisterHotkey(owner, first));
    EXPECT_EQ(currentProc(owner), hotkeyWindowProc);
    EXPECT_TRUE(unregisterHotkey(owner, second));
    EXPECT_EQ(currentProc(owner), ownerProc);
    // F2 is free again for anyone.
    const HWND other = createWindow("HotkeyOther", DefWindowProcA, false);
    EXPECT_TRUE(RegisterHotKey(other, 1, 0, VK_F2));
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
    // Identifiers are never reused.
    EXPECT_EQ(registerHotkey(owner, targetA, 0, VK_F2), 33003);
    EXPECT_EQ(currentProc(owner), hotkeyWindowProc);
    EXPECT_TRUE(unregisterHotkey(owner, 33003));
}

TEST_F(HotkeyService, ReleasingAnUnknownIdentifierFailsUnlessItRemovesTheSubclass) {
    const int32_t first = registerHotkey(owner, targetA, 0, VK_F2);
    registerHotkey(owner, targetA, 0, VK_F3);
    EXPECT_FALSE(unregisterHotkey(owner, 4242));  // count 2 -> 1, still subclassed
    EXPECT_EQ(currentProc(owner), hotkeyWindowProc);
    EXPECT_TRUE(unregisterHotkey(owner, 4243));   // fails, but the count reaches 0
    EXPECT_EQ(currentProc(owner), ownerProc);
    // The mismatched count left F2 registered; release it directly.
    EXPECT_TRUE(UnregisterHotKey(owner, first));
}

TEST_F(HotkeyService, ModifierCodesRegisterTheirKeys) {
    struct Row {
        int32_t code;
        UINT flags;  // the chord that is then taken
    };
    static const Row rows[] = {
        {0, 0},
        {1, MOD_CONTROL},
        {4, MOD_ALT},
        {7, MOD_ALT | MOD_CONTROL | MOD_SHIFT},  // raw flags
    };
    const HWND probe = createWindow("HotkeyProbe", DefWindowProcA, false);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const int32_t id = registerHotkey(owner, targetA, row.code, VK_F5);
        ASSERT_NE(id, 0);
        // The chord is now taken; F5 with other modifiers is not.
        EXPECT_FALSE(RegisterHotKey(probe, 1, row.flags, VK_F5));
        const UINT other = row.flags == MOD_SHIFT ? MOD_CONTROL : MOD_SHIFT;
        EXPECT_TRUE(RegisterHotKey(probe, 2, other, VK_F5));
        UnregisterHotKey(probe, 1);
        UnregisterHotKey(probe, 2);
        unregisterHotkey(owner, id);
    }
    DestroyWindow(probe);
}
