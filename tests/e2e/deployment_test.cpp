#include "launcher_fixture.h"

namespace {

FILETIME modificationTime(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path, GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

}  // namespace

TEST_F(Launcher, TheFirstStartWritesTheToolAndLaterStartsLeaveItAlone) {
    const std::string image = readWholeFile(binPath("region-capture.exe"));
    ASSERT_GT(image.size(), 1000u);
    start();
    EXPECT_EQ(readWholeFile(TOOL_PATH), image);
    EXPECT_EQ(closeAndWait(), 0u);

    // Age the file, so that a rewrite would show in its time.
    UniqueHandle file(CreateFileA(TOOL_PATH, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME old = {0x12345678, 0x01d00000};
    ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &old));
    file.close();
    start();
    const FILETIME after = modificationTime(TOOL_PATH);
    EXPECT_EQ(CompareFileTime(&after, &old), 0);
    EXPECT_EQ(closeAndWait(), 0u);

    ASSERT_TRUE(DeleteFileA(TOOL_PATH));
    start();
    EXPECT_EQ(readWholeFile(TOOL_PATH), image);
}

TEST_F(Launcher, AnotherProgramAtTheToolPathIsKeptAndRun) {
    installProbeAsTool();
    const std::string probe = readWholeFile(TOOL_PATH);
    start();
    EXPECT_EQ(readWholeFile(TOOL_PATH), probe);
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    pressF2(stateStopped());
    EXPECT_EQ(probeLines().size(), 2u);
}

TEST_F(Launcher, AFolderAtTheToolPathStaysAndTheProgramStillWorks) {
    ASSERT_TRUE(CreateDirectoryA(TOOL_PATH, nullptr));
    start();
    EXPECT_TRUE(GetFileAttributesA(TOOL_PATH) & FILE_ATTRIBUTE_DIRECTORY);
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    pressF2(stateStopped());
    pressF2(stateRunning());
    EXPECT_EQ(closeAndWait(), 0u);
}
