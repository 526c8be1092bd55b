// Run by unwritable_folder_test.sh, which makes C:\WINDOWS unwritable first:
// the launcher still starts and works; only the region method starts nothing.
#include "launcher_fixture.h"
#include "platform/files.h"

TEST_F(Launcher, DISABLED_AnUnwritableToolFolderLeavesOnlyTheRegionMethodInert) {
    ASSERT_FALSE(writeWholeFile("C:\\WINDOWS\\zelvik-write-check.tmp", "x")) << "C:\\WINDOWS is writable";
    start();
    EXPECT_FALSE(fileExists(TOOL_PATH));
    recorder->clear();
    pressF2(stateStopped());  // ActiveWindow still captures
    pressF2(stateRunning());
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    pressF2(stateStopped());  // nothing to start, but the press is handled
    EXPECT_TRUE(IsIconic(windows.main));
    size_t chords = 0;
    for (const KeyEvent& event : injectedChords()) chords += event.vkCode == 44 && !event.up;
    EXPECT_EQ(chords, 1u);
    EXPECT_EQ(closeAndWait(), 0u);
}
