#pragma once
#include <gtest/gtest.h>

#include "support/test_support.h"

// The launcher started and shown, with the pointer kept off its caption tabs
// (they would show their hover pictures); closed at the end of the test.
class ShownLauncher : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(2, 2);
        launcher = startZelvik(windows);
        ASSERT_TRUE(launcher.running());
        ASSERT_NE(windows.main, nullptr);
        ASSERT_EQ(windows.controls.size(), 12u);
    }
    void TearDown() override {
        if (launcher.running()) {
            PostMessageA(windows.main, WM_CLOSE, 0, 0);
            launcher.waitForExit();
        }
    }
    ZelvikWindows windows;
    ChildProcess launcher;
};
