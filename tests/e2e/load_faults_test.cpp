#include <windows.h>
#include <psapi.h>

#include <random>

#include "launcher_fixture.h"

namespace {

size_t chordCount(const std::vector<KeyEvent>& events, uint32_t modifier) {
    size_t chords = 0;
    for (size_t i = 0; i + 3 < events.size(); i += 4) {
        const bool chord = events[i].vkCode == modifier && !events[i].up && events[i + 1].vkCode == 44 &&
                           !events[i + 1].up && events[i + 2].vkCode == modifier && events[i + 2].up &&
                           events[i + 3].vkCode == 44 && events[i + 3].up;
        if (!chord) return chords;
        ++chords;
    }
    return chords;
}

DWORD handleCount(HANDLE process) {
    DWORD count = 0;
    GetProcessHandleCount(process, &count);
    return count;
}

// The launcher still answers its window's messages.
bool answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

}  // namespace

TEST_F(Launcher, TwoThousandPressesGiveExactlyOneThousandChordsInOrder) {
    start();
    focus->activate();
    const DWORD handlesBefore = handleCount(launcher.handle());
    recorder->clear();
    // Wine itself drops hotkey presses that come faster than the foreground
    // thread takes its input (a minimal RegisterHotKey program loses them
    // too), so each press follows the last one's effect, as fast as the
    // launcher handles them.
    for (int i = 1; i <= 2000; ++i) {
        if (GetForegroundWindow() != focus->hwnd()) focus->activate();
        pressKey(VK_F2);
        const std::string expected = i % 2 ? stateStopped() : stateRunning();
        ASSERT_TRUE(waitUntil([&] { return stateText() == expected; })) << "press " << i;
    }
    const std::vector<KeyEvent> chords = injectedChords();
    EXPECT_EQ(chords.size(), 4000u);
    EXPECT_EQ(chordCount(chords, 18), 1000u);
    EXPECT_TRUE(answers(windows.main));
    EXPECT_LE(handleCount(launcher.handle()), handlesBefore + 2);
}

TEST_F(Launcher, PressesDuringALongToolRunAreHandledOneByOneAfterwards) {
    environment.push_back("ZELVIK_PROBE_SLEEP_MS=300");
    start();
    installProbeAsTool();
    SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
    focus->activate();
    pressKey(VK_F2);
    ASSERT_TRUE(waitUntil([&] { return probeLines().size() >= 1; }));
    for (int i = 0; i < 20; ++i) pressKey(VK_F2);
    // 21 presses: the odd ones run the tool, 11 runs in all; the state ends Stopped.
    ASSERT_TRUE(waitUntil([&] { return probeLines().size() == 22; }, 60000)) << probeLines().size();
    EXPECT_TRUE(waitUntil([&] { return stateText() == stateStopped(); }));
    const std::vector<std::string> lines = probeLines();
    for (size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i].rfind("flags=", 0), 0u) << lines[i];
        EXPECT_EQ(lines[i + 1], "end");
    }
    EXPECT_TRUE(answers(windows.main));
}

TEST_F(Launcher, F2HeldByAnotherProgramLeavesAQuietWorkingWindow) {
    FocusWindow holder;
    ASSERT_TRUE(RegisterHotKey(holder.hwnd(), 1, 0, VK_F2));
    start();
    recorder->clear();
    focus->activate();
    pressKey(VK_F2);
    MSG message;
    ASSERT_TRUE(waitUntil([&] { return PeekMessageA(&message, holder.hwnd(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE) != 0; }));
    EXPECT_EQ(stateText(), stateRunning());  // the press was the holder's
    EXPECT_FALSE(IsIconic(windows.main));
    EXPECT_TRUE(injectedChords().empty());
    SendMessageA(windows.control(ID_FULL_SCREEN), BM_CLICK, 0, 0);  // still works
    EXPECT_EQ(closeAndWait(), 0u);
    UnregisterHotKey(holder.hwnd(), 1);
}

TEST_F(Launcher, AToolThatFailsDoesNotHurtTheLauncher) {
    // A crash must not bring up Wine's crash dialog, which would wait for a person.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const DWORD no = 0;
    RegSetValueExA(key, "ShowCrashDialog", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&no), sizeof no);
    RegCloseKey(key);

    struct Way {
        const char* name;
        const char* variable;
    };
    static const Way ways[] = {
        {"exits with an error code", "ZELVIK_PROBE_EXIT_CODE=7"},
        {"crashes at start", "ZELVIK_PROBE_CRASH=1"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        environment = {"ZELVIK_PROBE_LOG=" + probeLog(), way.variable};
        DeleteFileA(probeLog().c_str());
        start();
        installProbeAsTool();
        SendMessageA(windows.control(ID_REGION_TOOL), BM_CLICK, 0, 0);
        pressF2(stateStopped());
        EXPECT_GE(probeLines().size(), 1u);
        pressF2(stateRunning());
        EXPECT_TRUE(answers(windows.main));
        EXPECT_EQ(closeAndWait(), 0u);
    }
}

TEST_F(Launcher, StrayMessagesChangeNothingBeyondWhatTheyMean) {
    start();
    recorder->clear();
    std::mt19937 random(20261211);
    const HWND label = windows.control(ID_STATE_LABEL);
    for (int i = 0; i < 3000; ++i) {
        const HWND target = random() % 3 == 0 ? windows.main : windows.controls[random() % windows.controls.size()];
        switch (random() % 3) {
        case 0: {
            // Identifiers the hotkey service never issued.
            WPARAM id = random() % 70000;
            if (id == 33001) id = 33002;
            SendMessageA(target, WM_HOTKEY, id, random());
            break;
        }
        case 1:
            if (target == label) break;  // the label's feedback is a real press
            SendMessageA(target, 0x8075, random(), random());
            break;
        default:
            SendMessageA(target, 0x8065, 0, 0);  // destroy request without the flag
            break;
        }
    }
    EXPECT_TRUE(launcher.running());
    EXPECT_TRUE(IsWindowVisible(windows.main));
    EXPECT_FALSE(IsIconic(windows.main));
    EXPECT_EQ(stateText(), stateRunning());
    EXPECT_TRUE(injectedChords().empty());
    // The label's own feedback is the press it stands for: capture, then re-arm.
    SendMessageA(label, 0x8075, 33001, 0);
    EXPECT_EQ(stateText(), stateStopped());
    EXPECT_TRUE(IsIconic(windows.main));
    SendMessageA(label, 0x8075, 12345, 678);
    EXPECT_EQ(stateText(), stateRunning());
    EXPECT_EQ(injectedChords().size(), 4u);
    EXPECT_EQ(closeAndWait(), 0u);
}
