#include <gtest/gtest.h>

#include "capture/trigger.h"
#include "platform/key_chords.h"
#include "support/key_recorder.h"

namespace {

struct Expected {
    uint32_t vk;
    bool up;
};

}  // namespace

TEST(SimulateKeys, ChordsArePressedThenReleasedInSlotOrder) {
    struct Case {
        const char* name;
        void (*send)();
        std::vector<Expected> events;
    };
    static const Case cases[] = {
        {"Alt+PrintScreen", [] { simulateKeys(VK_MENU, VK_SNAPSHOT); },
         {{18, false}, {44, false}, {18, true}, {44, true}}},
        {"Ctrl+PrintScreen", [] { simulateKeys(VK_CONTROL, VK_SNAPSHOT); },
         {{17, false}, {44, false}, {17, true}, {44, true}}},
        {"absent second key does not stop the third", [] { simulateKeys(VK_CONTROL, 0, VK_SNAPSHOT); },
         {{17, false}, {44, false}, {17, true}, {44, true}}},
        {"three keys", [] { simulateKeys(VK_CONTROL, VK_MENU, VK_SNAPSHOT); },
         {{17, false}, {18, false}, {44, false}, {17, true}, {18, true}, {44, true}}},
        {"codes above 255 by their low byte; 256 is absent", [] { simulateKeys(0x141, 256); },
         {{0x41, false}, {0x41, true}}},
        {"small letter resolves through the layout", [] { simulateKeys("a"); },
         {{0x41, false}, {0x41, true}}},
        {"capital letter: the same key, no Shift", [] { simulateKeys("A", VK_SNAPSHOT); },
         {{0x41, false}, {44, false}, {0x41, true}, {44, true}}},
        {"only the first byte of a text counts", [] { simulateKeys(VK_CONTROL, "bcd"); },
         {{17, false}, {0x42, false}, {17, true}, {0x42, true}}},
        {"an empty text sends nothing for its slot", [] { simulateKeys("", VK_SNAPSHOT, ""); },
         {{44, false}, {44, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeyRecorder recorder;
        c.send();
        const std::vector<KeyEvent> seen = recorder.eventsAfterMarker();
        SCOPED_TRACE("events seen:\n" + describe(seen));
        ASSERT_EQ(seen.size(), c.events.size());
        for (size_t i = 0; i < seen.size(); ++i) {
            SCOPED_TRACE("event " + std::to_string(i));
            EXPECT_EQ(seen[i].vkCode, c.events[i].vk);
            EXPECT_EQ(seen[i].up, c.events[i].up);
            EXPECT_TRUE(seen[i].injected);
            EXPECT_FALSE(seen[i].extended);
            EXPECT_EQ(seen[i].scanCode, 0u);
            EXPECT_EQ(seen[i].extraInfo, 0u);
        }
    }
}

TEST(SimulateKeys, AFirstKeyOfZeroIsStillPressedAndReleased) {
    KeyRecorder recorder;
    simulateKeys(0, VK_SNAPSHOT);
    const std::vector<KeyEvent> seen = recorder.eventsAfterMarker();
    SCOPED_TRACE(describe(seen));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].vkCode, 0u);
    EXPECT_FALSE(seen[0].up);
    EXPECT_EQ(seen[1].vkCode, 44u);
    EXPECT_EQ(seen[2].vkCode, 0u);
    EXPECT_TRUE(seen[2].up);
    EXPECT_EQ(seen[3].vkCode, 44u);
}

TEST(PerformCapture, ActsOnlyForTheThreeMethods) {
    struct Case {
        int32_t mode;
        std::vector<uint32_t> downs;
    };
    static const Case cases[] = {{0, {}}, {4, {}}, {-1, {}}, {ActiveWindow, {18, 44}}, {FullScreen, {17, 44}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        KeyRecorder recorder;
        captureMode = c.mode;
        performCapture();
        std::vector<uint32_t> downs;
        for (const KeyEvent& event : recorder.eventsAfterMarker())
            if (!event.up) downs.push_back(event.vkCode);
        EXPECT_EQ(downs, c.downs);
    }
    captureMode = 0;
}
