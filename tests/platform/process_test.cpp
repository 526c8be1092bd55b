#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/process.h"
#include "support/test_support.h"

namespace {

// Runs the probe and returns the lines it logged.
class ProbeLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        log = binFolder() + "\\probe-test.log";
        DeleteFileA(log.c_str());
        SetEnvironmentVariableA("ZELVIK_PROBE_LOG", log.c_str());
        probe = binPath("probe.exe");
    }
    void TearDown() override {
        for (const char* name : {"ZELVIK_PROBE_LOG", "ZELVIK_PROBE_SLEEP_MS", "ZELVIK_PROBE_IDLE_AFTER_MS",
                                 "ZELVIK_PROBE_HANDLE"})
            SetEnvironmentVariableA(name, nullptr);
        DeleteFileA(log.c_str());
    }
    std::vector<std::string> lines() {
        std::vector<std::string> result;
        const std::string text = readWholeFile(log);
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            result.push_back(text.substr(start, end - start));
        return result;
    }
    std::string log;
    std::string probe;
};

std::string field(const std::string& line, const std::string& name) {
    const size_t at = line.find(name + "=");
    if (at == std::string::npos) return "";
    const size_t start = at + name.size() + 1;
    if (name == "cmd") return line.substr(start);
    return line.substr(start, line.find(' ', start) - start);
}

}  // namespace

TEST_F(ProbeLaunch, ShowModesReachTheNewProcess) {
    struct Row {
        bool omitted;
        int32_t mode;
        int expectedShow;
    };
    static const Row rows[] = {
        {true, 0, SW_SHOWNORMAL}, {false, -3, SW_HIDE},          {false, 0, SW_HIDE},
        {false, 1, SW_HIDE},      {false, 2, SW_SHOWNORMAL},     {false, 3, SW_SHOWMINIMIZED},
        {false, 4, SW_SHOWMAXIMIZED}, {false, 5, SW_SHOWNOACTIVATE}, {false, 6, SW_MINIMIZE},
        {false, 7, SW_MINIMIZE},  {false, 99, SW_MINIMIZE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.omitted ? std::string("omitted") : std::to_string(row.mode));
        DeleteFileA(log.c_str());
        const bool started = row.omitted ? runProgram(probe.c_str(), true) : runProgram(probe.c_str(), true, row.mode);
        ASSERT_TRUE(started);
        const std::vector<std::string> logged = lines();
        ASSERT_EQ(logged.size(), 2u);  // the start, then "end"
        EXPECT_EQ(field(logged[0], "flags"), std::to_string(STARTF_USESHOWWINDOW));
        EXPECT_EQ(field(logged[0], "show"), std::to_string(row.expectedShow));
    }
}

TEST_F(ProbeLaunch, TheCommandLineDirectoryAndEnvironmentAreTheCallers) {
    // Handles made before it push the inheritable handle's value out of the
    // range a fresh process uses by itself.
    std::vector<UniqueHandle> padding;
    for (int i = 0; i < 300; ++i) padding.emplace_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    UniqueHandle event(CreateEventA(&inheritable, FALSE, FALSE, nullptr));
    SetEnvironmentVariableA("ZELVIK_PROBE_HANDLE",
                            std::to_string(reinterpret_cast<uintptr_t>(event.get())).c_str());
    const std::string commandLine = probe + "   extra  \"quoted arg\"";
    ASSERT_TRUE(runProgram(commandLine.c_str(), true, 3));
    const std::vector<std::string> logged = lines();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(field(logged[0], "cmd"), commandLine);
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    EXPECT_EQ(field(logged[0], "dir"), directory);
    EXPECT_EQ(field(logged[0], "inherited"), "0");
}

TEST_F(ProbeLaunch, WaitingReturnsOnlyAfterTheProgramHasEnded) {
    SetEnvironmentVariableA("ZELVIK_PROBE_SLEEP_MS", "1500");
    ASSERT_TRUE(runProgram(probe.c_str(), true, 2));
    // The probe logs "end" as its last act; waiting means it is there.
    const std::vector<std::string> logged = lines();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[1], "end");
}

TEST_F(ProbeLaunch, NotWaitingReturnsOnceTheProgramIsIdleWhileItStillRuns) {
    SetEnvironmentVariableA("ZELVIK_PROBE_IDLE_AFTER_MS", "200");
    SetEnvironmentVariableA("ZELVIK_PROBE_SLEEP_MS", "5000");
    ASSERT_TRUE(runProgram(probe.c_str(), false, 2));
    const std::vector<std::string> logged = lines();
    ASSERT_EQ(logged.size(), 1u);  // started, not yet ended
    // It ends by itself later.
    EXPECT_TRUE(waitUntil([&] { return lines().size() == 2; }, 20000));
}

TEST_F(ProbeLaunch, AProgramThatDoesNotExistIsNotStarted) {
    EXPECT_FALSE(runProgram("C:\\no\\such\\program.exe", true, 2));
    EXPECT_FALSE(runProgram("", true, 2));
}

TEST_F(ProbeLaunch, NoHandleIsLeftOpenAfterManyLaunches) {
    ASSERT_TRUE(runProgram(probe.c_str(), true, 2));  // warm up the loader's own handles
    DWORD before = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(runProgram(probe.c_str(), i % 2 == 0, 2));
    DWORD after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_LE(after, before + 2) << "before " << before << ", after " << after;
}
