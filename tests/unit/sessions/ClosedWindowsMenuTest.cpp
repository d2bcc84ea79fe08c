#include "app/CAppSettings.h"
#include "frame/ClosedWindowsMenu.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<ClosedWindowMenuItem>;

} // namespace

TEST(ClosedWindowsMenuTest, EntriesUpToTheFirstEmptyOneOrAPlaceholder) {
    const QStringList entries{"Alpha\nhttp://a/", "\nhttp://untitled/", "", "Late\nhttp://late/"};
    EXPECT_EQ(closedWindowsMenuItems(entries),
              (Items{{32846, "Alpha"}, {32847, "未命名     "}}));
    EXPECT_EQ(closedWindowsMenuItems(QStringList(25)), (Items{{0, "（空）"}}));
    // A capacity of 0 switches the list off.
    EXPECT_EQ(closedWindowsMenuItems(QStringList()), (Items{{0, "（禁止）"}}));
}

TEST(ClosedWindowsMenuTest, ACommandReopensTheAddressOfItsOwnEntry) {
    const QStringList entries{"a\nhttp://a/", "b\nhttp://b/", "c\nhttp://c/", ""};
    EXPECT_EQ(closedWindowAddress(32848, entries), "http://c/");
    EXPECT_EQ(closedWindowAddress(32846, entries), "http://a/");
    EXPECT_FALSE(closedWindowAddress(32849, entries)); // empty entry
    EXPECT_FALSE(closedWindowAddress(32850, entries)); // beyond the capacity
    EXPECT_FALSE(closedWindowAddress(32845, entries)); // not in the range
    // An entry without its line feed reopens a blank page.
    EXPECT_EQ(closedWindowAddress(32846, QStringList{"damaged"}), "about:blank");
}

TEST(ClosedWindowsMenuTest, ClearingFollowsItsOptionBitAndKeepsTheCapacity) {
    CAppSettings s;
    s.SetClosedWindowsCount(3);
    s.AddClosedWindow("a", "http://a/");
    EXPECT_FALSE(clearClosedWindowsByOption(s, 0x20000 | 0x1));
    EXPECT_EQ(s.ClosedWindows()[0], "a\nhttp://a/");
    EXPECT_TRUE(clearClosedWindowsByOption(s, 0x10000));
    EXPECT_EQ(s.ClosedWindows(), QStringList(3));
    s.SetClosedWindowsCount(0);
    EXPECT_FALSE(clearClosedWindowsByOption(s, 0x10000));
}
