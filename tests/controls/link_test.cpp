#include "controls_fixture.h"

#include <tlhelp32.h>

#include <cstring>

#include "https_handler.h"

namespace {

struct LinkCase {
    const char* name;
    int clicks;
    bool explorerWindow;  // a window titled "Microsoft Internet Explorer" is open
};

const LinkCase LINK_CASES[] = {
    {"a click", 1, false},
    {"a double-click", 2, false},
    {"a click with an explorer window open", 1, true},
};

bool probeRunning() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
        running = _stricmp(entry.szExeFile, "probe.exe") == 0;
    CloseHandle(snapshot);
    return running;
}

// The command lines that the probe logged, one per start.
std::vector<std::string> probeStarts(const std::string& log) {
    std::vector<std::string> starts;
    const std::string text = readWholeFile(log);
    size_t begin = 0;
    for (size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
        const std::string line = text.substr(begin, end - begin);
        const size_t command = line.find("cmd=");
        if (command != std::string::npos) starts.push_back(line.substr(command + 4));
    }
    return starts;
}

}  // namespace

TEST_F(Controls, TheUsageLineOpensTheAuthorsPageOncePerPress) {
    HttpsHandler handler(binPath("probe.exe"));
    start();
    int sign = 1;
    for (const LinkCase& link : LINK_CASES) {
        SCOPED_TRACE(link.name);
        DeleteFileA(probeLog().c_str());
        std::unique_ptr<TitledWindow> explorer;
        if (link.explorerWindow) explorer.reset(new TitledWindow("Microsoft Internet Explorer"));
        moveMouseTo(middleOf(control(ID_USAGE_LINE)));
        for (int i = 0; i < link.clicks; ++i) {
            pressLeft();
            releaseLeft();
        }
        // Once a later drag has moved the window, every press before it has been
        // handled and every page it opened has been started.
        dragHeaderAndWait(23 * sign, 9 * sign);
        sign = -sign;
        EXPECT_TRUE(waitUntil([&] { return !probeRunning(); }));
        const std::vector<std::string> starts = probeStarts(probeLog());
        ASSERT_EQ(starts.size(), 1u) << readWholeFile(probeLog());
        EXPECT_NE(starts[0].find(" https://zelvik.github.io/"), std::string::npos) << starts[0];
    }
}
