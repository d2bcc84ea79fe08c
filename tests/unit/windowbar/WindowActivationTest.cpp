#include "WindowBarTestSupport.h"

#include "frame/WindowActivation.h"
#include "frame/WindowListMenu.h"

#include <gtest/gtest.h>

#include <vector>

using namespace windowbar_test;
using Action = WindowCloseVerdict::Action;

TEST(WindowClose, LockedWindowsAskUnlessClosingDownOrClosingSeveral) {
    // Closing the program: everything goes, nobody asked, no activation.
    EXPECT_EQ(decideWindowClose({true, false, true, true}),
              (WindowCloseVerdict{Action::Close, false}));
    EXPECT_EQ(decideWindowClose({true, true, true, false}),
              (WindowCloseVerdict{Action::Close, false}));
    // One command closing several windows: locked ones stay silently.
    EXPECT_EQ(decideWindowClose({false, true, true, true}),
              (WindowCloseVerdict{Action::KeepOpen, false}));
    EXPECT_EQ(decideWindowClose({false, true, false, true}),
              (WindowCloseVerdict{Action::Close, false}));
    // A single close.
    EXPECT_EQ(decideWindowClose({false, false, true, true}),
              (WindowCloseVerdict{Action::AskLocked, true}));
    EXPECT_EQ(decideWindowClose({false, false, true, false}),
              (WindowCloseVerdict{Action::AskLocked, false}));
    EXPECT_EQ(decideWindowClose({false, false, false, true}),
              (WindowCloseVerdict{Action::Close, true}));
    EXPECT_EQ(decideWindowClose({false, false, false, false}),
              (WindowCloseVerdict{Action::Close, false}));
}

TEST(WindowClose, QuestionNamesTheTab) {
    EXPECT_EQ(lockedCloseQuestion("My %20 page"),
              QString::fromUtf8("下列窗口当前已被锁定。 你想关闭它吗？\n\n\"My %20 page\""));
}

namespace {

// The window that becomes active when the current tab of texts (closing)
// closes under mode, as its index in the tab order (-1: none).
int activatedTab(int mode, int count, int current, std::vector<int> created = {}) {
    Windows w;
    std::vector<TabWindow> tabs;
    for (int i = 0; i < count; ++i)
        tabs.push_back(w[i]);
    std::vector<TabWindow> creation;
    for (int i : created)
        creation.push_back(w[i]);
    const TabWindow closing = current >= 0 ? tabs[static_cast<std::size_t>(current)] : nullptr;
    const TabWindow next = nextActiveWindow(mode, tabs, current, creation, closing);
    for (int i = 0; i < count; ++i) {
        if (tabs[static_cast<std::size_t>(i)] == next)
            return i;
    }
    return -1;
}

} // namespace

TEST(WindowActivationAfterClose, PreviousMode) {
    EXPECT_EQ(activatedTab(0, 4, 0), 1); // first: the one that was second
    EXPECT_EQ(activatedTab(0, 4, 2), 1);
    EXPECT_EQ(activatedTab(0, 4, 3), 2);
    EXPECT_EQ(activatedTab(0, 1, 0), -1);
}

TEST(WindowActivationAfterClose, NextMode) {
    EXPECT_EQ(activatedTab(1, 4, 0), 1);
    EXPECT_EQ(activatedTab(1, 4, 2), 3);
    EXPECT_EQ(activatedTab(1, 4, 3), 2); // last: the one before it
    EXPECT_EQ(activatedTab(1, 1, 0), -1);
    EXPECT_EQ(activatedTab(1, 2, 1), 0);
}

TEST(WindowActivationAfterClose, CreationOrderMode) {
    // Tabs A B C D were created in the order C A D B.
    const std::vector<int> created{2, 0, 3, 1};
    EXPECT_EQ(activatedTab(2, 4, 3, created), 0); // D: made after A
    EXPECT_EQ(activatedTab(2, 4, 2, created), 0); // C, the oldest: the next made
    EXPECT_EQ(activatedTab(2, 4, 1, created), 3); // B, the newest: D
    EXPECT_EQ(activatedTab(2, 1, 0, {0}), -1);
    EXPECT_EQ(activatedTab(7, 4, 3, created), 0); // unknown modes act as 2
    EXPECT_EQ(activatedTab(2, 4, 3, {}), -1);     // not known to the creation list
}

TEST(WindowActivationAfterClose, CreationOrderSkipsWindowsWithoutATab) {
    Windows w;
    const std::vector<TabWindow> tabs{w[0], w[1]};
    // w[5] is a hidden popup without a tab, made between the two.
    const std::vector<TabWindow> creation{w[0], w[5], w[1]};
    EXPECT_EQ(nextActiveWindow(2, tabs, 1, creation, w[1]), w[0]);
    EXPECT_EQ(nextActiveWindow(2, tabs, 0, creation, w[0]), w[1]);
}

TEST(WindowActivationAfterClose, BadCurrentIndexGivesNothingOrTheFirst) {
    Windows w;
    const std::vector<TabWindow> tabs{w[0], w[1]};
    EXPECT_EQ(nextActiveWindow(0, tabs, 5, {}, w[9]), nullptr);
    EXPECT_EQ(nextActiveWindow(1, tabs, -7, {}, w[9]), nullptr);
    EXPECT_EQ(nextActiveWindow(0, {}, 0, {}, w[9]), nullptr);
    EXPECT_EQ(nextActiveWindow(0, tabs, -1, {}, w[9]), w[0]);
}

TEST(WindowListMenuItems, NothingWithoutTabs) {
    WindowBarModel model;
    EXPECT_TRUE(windowListMenuItems(model).empty());
    EXPECT_EQ(windowListCommandTab(65280, model), -1);
}

TEST(WindowListMenuItems, FirstTenTabsThenSelectWindow) {
    Windows w;
    WindowBarModel model;
    QStringList texts;
    for (int i = 0; i < 12; ++i)
        texts << (i == 4 ? QString() : QStringLiteral("T%1").arg(i));
    fill(model, w, texts, 3);

    const std::vector<WindowMenuItem> items = windowListMenuItems(model);
    ASSERT_EQ(items.size(), 13u);
    EXPECT_TRUE(items.front().separator);
    EXPECT_EQ(items[1], (WindowMenuItem{false, 65280, "T0", false}));
    EXPECT_EQ(items[4], (WindowMenuItem{false, 65283, "T3", true}));
    EXPECT_EQ(items[5].text, QString::fromUtf8("未命名     "));
    EXPECT_EQ(items[10].id, 65289u);
    EXPECT_TRUE(items[11].separator);
    EXPECT_EQ(items[12],
              (WindowMenuItem{false, 65290, QString::fromUtf8("选择窗口...         "), false}));
}

TEST(WindowListMenuItems, CommandsActivateOtherListedTabs) {
    Windows w;
    WindowBarModel model;
    fill(model, w, {"A", "B", "C"}, 1);
    EXPECT_EQ(windowListCommandTab(65280, model), 0);
    EXPECT_EQ(windowListCommandTab(65282, model), 2);
    EXPECT_EQ(windowListCommandTab(65281, model), -1); // already current
    EXPECT_EQ(windowListCommandTab(65285, model), -1); // no such tab
    EXPECT_EQ(windowListCommandTab(65290, model), -1);
    EXPECT_EQ(windowListCommandTab(65279, model), -1);
}

TEST(WindowListMenuItems, EntryTextsAreBounded) {
    EXPECT_EQ(windowEntryText(QString(300, QLatin1Char('x'))).size(), 255);
    EXPECT_EQ(windowEntryText("Page"), "Page");
}
