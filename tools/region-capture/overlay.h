#pragma once
#include <windows.h>

#include "command_line.h"
#include "frame.h"
#include "frame_painting.h"
#include "picture.h"
#include "selection.h"
#include "window_finder.h"

// Exit codes of the tool.
constexpr int EXIT_TAKEN = 0;      // copied or saved
constexpr int EXIT_CANCELLED = 1;
constexpr int EXIT_FAULT = 2;

// The borderless topmost window over the whole virtual screen where the
// user chooses what to take.
class Overlay {
public:
    static constexpr const char* CLASS_NAME = "ZelvikRegionOverlay";

    Overlay(const Picture& frozen, Picture& back, const Box& virtualScreen, const WindowFinder& windows,
            const Options& options);
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

    // Shows the overlay and runs until the user takes or cancels; returns the exit code.
    int run();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void onMouseMove(Point p);
    void onButtonDown(Point p);
    void onButtonUp(Point p);
    void onDoubleClick(Point p);
    void onKeyDown(unsigned virtualKey);
    void onPaint();
    bool onSetCursor();

    void take();
    void saveWithDialog();
    bool saveTo(const char* path);
    void cancel();
    void finish(int exitCode);
    void showMessage(const char* text, UINT icon);

    Point clampedToCanvas(Point p) const;
    Box hoveredWindow() const;
    Frame currentFrame() const;
    // Repaints what changed between the frame on screen and the current one.
    void refresh();

    const Picture& frozen_;
    FramePainter painter_;
    Box virtualScreen_;
    Box canvas_;
    const WindowFinder& windows_;
    const Options& options_;
    Selection selection_;
    Point pointer_{0, 0};
    bool takeOnRelease_ = false;
    HWND window_ = nullptr;
    int exitCode_ = EXIT_CANCELLED;
    Box shown_[MAX_DECORATIONS];
    int shownCount_ = 0;
};
