#include <gtest/gtest.h>
#include <windows.h>

#include "key_actions.h"

namespace {

TEST(RegionCaptureKeys, EachKeyAndModifierAsksForItsCommand) {
    const struct {
        unsigned key;
        bool ctrl, shift;
        KeyCommand command;
        int dx, dy;
    } cases[] = {
        {VK_RETURN, false, false, KeyCommand::Copy, 0, 0},
        {'C', true, false, KeyCommand::Copy, 0, 0},
        {'C', false, false, KeyCommand::None, 0, 0},
        {'S', true, false, KeyCommand::Save, 0, 0},
        {'S', false, false, KeyCommand::None, 0, 0},
        {VK_ESCAPE, false, false, KeyCommand::Cancel, 0, 0},
        {VK_LEFT, false, false, KeyCommand::Move, -1, 0},
        {VK_RIGHT, false, false, KeyCommand::Move, 1, 0},
        {VK_UP, false, false, KeyCommand::Move, 0, -1},
        {VK_DOWN, false, false, KeyCommand::Move, 0, 1},
        {VK_LEFT, false, true, KeyCommand::Resize, -1, 0},
        {VK_DOWN, false, true, KeyCommand::Resize, 0, 1},
        {'A', false, false, KeyCommand::None, 0, 0},
    };
    for (const auto& c : cases) {
        const KeyAction action = actionForKey(c.key, c.ctrl, c.shift);
        EXPECT_EQ(action.command, c.command) << c.key << " ctrl " << c.ctrl << " shift " << c.shift;
        EXPECT_EQ(action.dx, c.dx) << c.key;
        EXPECT_EQ(action.dy, c.dy) << c.key;
    }
}

}  // namespace
