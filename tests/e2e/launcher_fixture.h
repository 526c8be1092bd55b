#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/key_recorder.h"
#include "support/test_support.h"

// Runs the real launcher and drives it as a user and other programs would.
class Launcher : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the launcher and waits until its window shows.
    void start(const char* directory = nullptr);
    std::string stateText() const { return windowText(windows.control(ID_STATE_LABEL)); }

    // Presses F2 for real with a window of ours focused, and waits until the
    // launcher's state text has moved to expectedState.
    void pressF2(const std::string& expectedState);
    // The keys that the launcher injected since the recorder started, in order,
    // without the test's own F2 presses.
    std::vector<KeyEvent> injectedChords();
    // Ends the launcher by closing its window; returns its exit code.
    DWORD closeAndWait();

    // Puts a probe at the tool's path that logs its starts to probeLog().
    void installProbeAsTool();
    std::string probeLog() const { return binFolder() + "\\tool-probe.log"; }
    std::vector<std::string> probeLines() const;

    ZelvikWindows windows;
    ChildProcess launcher;
    std::vector<std::string> environment;
    std::unique_ptr<FocusWindow> focus;
    std::unique_ptr<KeyRecorder> recorder;
};

std::string stateRunning();
std::string stateStopped();
