#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/stacking.h"
#include "ui/window_description.h"

namespace {

int indexOf(const char* name) {
    for (int i = 0; i < mainWindowDescription.controlCount; ++i)
        if (std::strcmp(mainWindowDescription.controls[i].name, name) == 0) return i;
    return -1;
}

}  // namespace

TEST(MainWindowDescription, StackingPutsEachControlBelowItsNearestEarlierSibling) {
    int anchors[12];
    ASSERT_EQ(mainWindowDescription.controlCount, 12);
    stackingAnchors(mainWindowDescription, anchors);
    struct Expected {
        const char* control;
        const char* below;  // null: top of its siblings
    };
    static const Expected expected[] = {
        {"图形按钮_最小化", nullptr}, {"图片框1", "图形按钮_最小化"}, {"透明标签2", "图片框1"},
        {"单选框3", nullptr},        {"单选框2", "单选框3"},         {"单选框1", "单选框2"},
        {"图形按钮_关闭", "透明标签2"}, {"透明标签1", nullptr},        {"标签1", "图形按钮_关闭"},
        {"分组框1", "标签1"},         {"背景色上", "分组框1"},        {"外形框1", "背景色上"},
    };
    for (const Expected& row : expected) {
        SCOPED_TRACE(row.control);
        const int index = indexOf(row.control);
        ASSERT_GE(index, 0);
        EXPECT_EQ(anchors[index], row.below ? indexOf(row.below) : -1);
    }
}

TEST(MainWindowDescription, ExactlyTheActiveWindowMethodIsCheckedAtStart) {
    int checked = 0;
    for (int i = 0; i < mainWindowDescription.controlCount; ++i)
        if (mainWindowDescription.controls[i].checked) {
            ++checked;
            EXPECT_STREQ(mainWindowDescription.controls[i].name, "单选框2");
        }
    EXPECT_EQ(checked, 1);
}

TEST(MainWindowDescription, TitleAndStateTextAreGbk) {
    EXPECT_STREQ(mainWindowDescription.title, "Zelvik\xD7\xA8\xD2\xB5\xBD\xD8\xCD\xBC" "1.0");
    EXPECT_STREQ(mainWindowDescription.className, "WTWindow");
    const int label = indexOf("标签1");
    ASSERT_GE(label, 0);
    EXPECT_STREQ(mainWindowDescription.controls[label].text, "\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0");
    EXPECT_FALSE(mainWindowDescription.controls[label].visible);
}
