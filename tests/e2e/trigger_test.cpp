#include "launcher_fixture.h"

namespace {

std::vector<uint32_t> codes(const std::vector<KeyEvent>& events) {
    std::vector<uint32_t> result;
    for (const KeyEvent& event : events) result.push_back(event.vkCode | (event.up ? 0x100 : 0));
    return result;
}

const std::vector<uint32_t> ALT_PRINTSCREEN = {18, 44, 18 | 0x100, 44 | 0x100};
const std::vector<uint32_t> CTRL_PRINTSCREEN = {17, 44, 17 | 0x100, 44 | 0x100};

}  // namespace

TEST_F(Launcher, OddPressesCaptureEvenPressesRearmAndEveryPressMinimises) {
    start();
    EXPECT_EQ(stateText(), stateRunning());
    EXPECT_EQ(codes(injectedChords()), ALT_PRINTSCREEN);  // the start-up capture
    struct Press {
        std::string stateAfter;
        std::vector<uint32_t> chord;
    };
    const Press presses[] = {
        {stateStopped(), ALT_PRINTSCREEN},
        {stateRunning(), {}},
        {stateStopped(), ALT_PRINTSCREEN},
        {stateRunning(), {}},
    };
    int number = 1;
    for (const Press& press : presses) {
        SCOPED_TRACE("press " + std::to_string(number++));
        ShowWindow(windows.main, SW_RESTORE);
        ASSERT_TRUE(waitUntil([&] { return !IsIconic(windows.main); }));
        recorder->clear();
        pressF2(press.stateAfter);
        EXPECT_TRUE(IsIconic(windows.main));
        EXPECT_EQ(codes(injectedChords()), press.chord);
    }
}

TEST_F(Launcher, ARadioChoiceCapturesNothingAndSetsTheNextChord) {
    start();
    recorder->clear();
    SendMessageA(windows.control(ID_FULL_SCREEN), BM_CLICK, 0, 0);
    EXPECT_TRUE(injectedChords().empty());
    EXPECT_EQ(stateText(), stateRunning());
    EXPECT_EQ(SendMessageA(windows.control(ID_FULL_SCREEN), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(windows.control(ID_ACTIVE_WINDOW), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    pressF2(stateStopped());
    EXPECT_EQ(codes(injectedChords()), CTRL_PRINTSCREEN);

    recorder->clear();
    SendMessageA(windows.control(ID_ACTIVE_WINDOW), BM_CLICK, 0, 0);
    pressF2(stateRunning());
    pressF2(stateStopped());
    EXPECT_EQ(codes(injectedChords()), ALT_PRINTSCREEN);
}

TEST_F(Launcher, AStateTextThatIsNotRunningTakesTheStoppedPath) {
    start();
    for (const char* other : {"", "something else"}) {
        SCOPED_TRACE(other);
        SetWindowTextA(windows.control(ID_STATE_LABEL), other);
        ASSERT_EQ(stateText(), other);
        recorder->clear();
        pressF2(stateRunning());
        EXPECT_TRUE(injectedChords().empty());
    }
}

TEST_F(Launcher, RegionToolPressesMadeWhileTheToolRunsAreHandledAfterwardsInOrder) {
    // The probe stands in for the tool and runs for a while; the launcher is
    // blocked meanwhile.
    environment.push_back("ZELVIK_PROBE_SLEEP_MS=2000");
    start();  // deploys our own tool; replace it with the probe
    installProbeAsTool();
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    recorder->clear();
    focus->activate();
    pressKey(VK_F2);
    ASSERT_TRUE(waitUntil([&] { return probeLines().size() >= 1; }));
    EXPECT_EQ(stateText(), stateRunning());  // still Running while the tool runs
    focus->activate();
    pressKey(VK_F2);
    pressKey(VK_F2);
    // First run ends -> Stopped; the second press re-arms; the third runs the tool again.
    ASSERT_TRUE(waitUntil([&] { return probeLines().size() == 4; }, 20000));
    EXPECT_TRUE(waitUntil([&] { return stateText() == stateStopped(); }));
    const std::vector<std::string> lines = probeLines();
    EXPECT_EQ(lines[1], "end");
    EXPECT_NE(lines[2].find("cmd=C:\\WINDOWS\\qqscr.exe"), std::string::npos) << lines[2];
    EXPECT_TRUE(injectedChords().empty());
}

TEST_F(Launcher, RegionToolWithoutItsFileStartsNothingAndStillMovesToStopped) {
    start();
    ASSERT_TRUE(DeleteFileA(TOOL_PATH));
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    pressF2(stateStopped());
    EXPECT_TRUE(IsIconic(windows.main));
    EXPECT_TRUE(probeLines().empty());
    EXPECT_EQ(closeAndWait(), 0u);
}
