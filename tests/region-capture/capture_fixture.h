#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "capture_session.h"
#include "pattern_window.h"
#include "test_images.h"

// A pattern window on screen, a known text on the clipboard, then the tool.
class RegionCaptureFixture : public ::testing::Test {
protected:
    static constexpr int WINDOW_X = 200, WINDOW_Y = 150, WINDOW_WIDTH = 400, WINDOW_HEIGHT = 300;
    static constexpr const char* CLIPBOARD_BEFORE = "held before the capture";

    void SetUp() override {
        ASSERT_TRUE(pattern_.waitUntilShown()) << "the pattern window never reached the screen";
        ASSERT_TRUE(setClipboardText(CLIPBOARD_BEFORE));
    }

    // Starts the tool and waits for its overlay.
    void startTool(const std::string& arguments = "") {
        // A tool that has just left may still be on the X screen for a moment.
        ASSERT_TRUE(pattern_.waitUntilShown()) << "the pattern window is not on screen";
        session_ = std::make_unique<CaptureSession>(arguments);
        ASSERT_TRUE(session_->started());
        ASSERT_NE(session_->waitForOverlay(), nullptr) << "the overlay never took the keyboard";
    }

    // The image must hold exactly the screen's pixels in box.
    static ::testing::AssertionResult holdsPattern(const TestImage& image, const PatternWindow& pattern, RECT box) {
        if (image.width != box.right - box.left || image.height != box.bottom - box.top)
            return ::testing::AssertionFailure() << "image is " << image.width << "x" << image.height << ", wanted "
                                                 << box.right - box.left << "x" << box.bottom - box.top;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                if (image.at(x, y) != pattern.colourAt(box.left + x, box.top + y))
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " is " << std::hex << image.at(x, y) << ", wanted "
                           << pattern.colourAt(box.left + x, box.top + y);
        return ::testing::AssertionSuccess();
    }

    PatternWindow pattern_{WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT};
    std::unique_ptr<CaptureSession> session_;
};

std::string temporaryPath(const char* name);
