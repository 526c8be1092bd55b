#include "launcher_fixture.h"

std::string stateRunning() { return "正在运行"; }
std::string stateStopped() { return "已经停止"; }

void Launcher::SetUp() {
    removeTree(TOOL_PATH);
    DeleteFileA(probeLog().c_str());
    environment = {"ZELVIK_PROBE_LOG=" + probeLog()};
    recorder.reset(new KeyRecorder());
}

void Launcher::TearDown() {
    if (launcher.running()) closeAndWait();
    launcher = ChildProcess();
    focus.reset();
    recorder.reset();
    removeTree(TOOL_PATH);
    DeleteFileA(probeLog().c_str());
}

void Launcher::start(const char* directory) {
    launcher = startZelvik(windows, directory, environment);
    ASSERT_TRUE(launcher.running());
    ASSERT_NE(windows.main, nullptr);
    ASSERT_TRUE(IsWindowVisible(windows.main));
    ASSERT_EQ(windows.controls.size(), 12u);
    if (!focus) focus.reset(new FocusWindow());
}

void Launcher::pressF2(const std::string& expectedState) {
    focus->activate();
    pressKey(VK_F2);
    EXPECT_TRUE(waitUntil([&] { return stateText() == expectedState; }, 15000))
        << "state stayed " << stateText();
}

std::vector<KeyEvent> Launcher::injectedChords() {
    std::vector<KeyEvent> chords;
    for (const KeyEvent& event : recorder->eventsAfterMarker())
        if (event.vkCode != VK_F2) chords.push_back(event);
    return chords;
}

DWORD Launcher::closeAndWait() {
    PostMessageA(windows.main, WM_CLOSE, 0, 0);
    return launcher.waitForExit();
}

void Launcher::installProbeAsTool() {
    ASSERT_TRUE(CopyFileA(binPath("probe.exe").c_str(), TOOL_PATH, FALSE));
}

std::vector<std::string> Launcher::probeLines() const {
    std::vector<std::string> lines;
    const std::string text = readWholeFile(probeLog());
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}
