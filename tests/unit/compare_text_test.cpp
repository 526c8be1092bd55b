#include <gtest/gtest.h>

#include <cstring>

#include "capture/compare_text.h"
#include "capture/trigger.h"

TEST(CompareText, CasesOfNullEmptyAndBytes) {
    struct Case {
        const char* a;
        const char* b;
        int32_t expected;
    };
    static const Case cases[] = {
        {nullptr, nullptr, 0},
        {nullptr, "", 0},
        {"", nullptr, 0},
        {nullptr, "x", -1},
        {"x", nullptr, 1},
        {"", "", 0},
        {"abc", "abc", 0},
        {"abc", "abd", -1},
        {"abd", "abc", 1},
        {"ab", "abc", -1},  // the shorter text ends first
        {"abc", "ab", 1},
        {"正在运行", "正在运行", 0},
        {"正在运行", "已经停止", 1},  // D5 > D2
        {"已经停止", "正在运行", -1},
        {"\x80", "\x7f", 1},  // bytes above 0x7F compare as unsigned
        {"\x7f", "\xff", -1},
        {"A", "a", -1},  // no case folding
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("a=") + (c.a ? c.a : "(null)") + " b=" + (c.b ? c.b : "(null)"));
        EXPECT_EQ(compareText(c.a, c.b), c.expected);
    }
}

TEST(TriggerTexts, AreStoredAsGbkBytes) {
    EXPECT_STREQ(RUNNING_TEXT, "\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0");
    EXPECT_STREQ(STOPPED_TEXT, "\xD2\xD1\xBE\xAD\xCD\xA3\xD6\xB9");
    EXPECT_STREQ(TRIGGER_LABEL, "\xB1\xEA\xC7\xA9" "1");
}
