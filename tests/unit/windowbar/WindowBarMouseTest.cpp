#include "WindowBarTestSupport.h"

#include "frame/WindowBarHover.h"
#include "frame/WindowBarMouse.h"

#include <gtest/gtest.h>

using namespace windowbar_test;

TEST(WindowBarMouse, ClicksAndClosingButtons) {
    EXPECT_TRUE(clickReactivatesCurrentTab(2, 2));
    EXPECT_FALSE(clickReactivatesCurrentTab(1, 2));
    EXPECT_FALSE(clickReactivatesCurrentTab(-1, -1));

    EXPECT_EQ(tabClosedByDoubleClick(3, true), 3);
    EXPECT_EQ(tabClosedByDoubleClick(3, false), -1);
    EXPECT_EQ(tabClosedByDoubleClick(-1, true), -1);
    EXPECT_EQ(tabClosedByMiddleClick(0, true), 0);
    EXPECT_EQ(tabClosedByMiddleClick(0, false), -1);
    EXPECT_EQ(tabClosedByMiddleClick(-1, true), -1);

    EXPECT_EQ(tabShowCommand(true), TabShowCommand::Maximized);
    EXPECT_EQ(static_cast<int>(tabShowCommand(false)), 1);
}

TEST(WindowBarMouse, RightClickOnATabOrBesideThem) {
    Windows w;
    WindowBarModel model;
    fill(model, w, {"A", "B"}, 0);

    const TabContextDecision onTab = tabRightClick(model, 1);
    EXPECT_EQ(onTab.contextWindow, w[1]);
    EXPECT_EQ(onTab.highlightIndex, 1);
    EXPECT_TRUE(onTab.showMenu);

    for (int beside : {-1, 2}) {
        const TabContextDecision none = tabRightClick(model, beside);
        EXPECT_EQ(none.contextWindow, nullptr);
        EXPECT_EQ(none.highlightIndex, -1);
        EXPECT_FALSE(none.showMenu);
    }
}

TEST(WindowBarMouse, CloseButtonSitsInTheTabsTopRightCorner) {
    const QRect button = tabCloseButtonGeometry(QRect(100, 0, 90, 22), QSize(14, 14));
    EXPECT_EQ(button, QRect(174, 2, 14, 14));
    EXPECT_EQ(button.x() + button.width(), 100 + 90 - 2);
}

TEST(WindowBarHoverState, TimerRunsWhileTheCursorIsOverTheBar) {
    WindowBarHover hover;
    EXPECT_TRUE(hover.mouseMoved());
    EXPECT_FALSE(hover.mouseMoved());
    EXPECT_FALSE(hover.timerFired(true));
    EXPECT_TRUE(hover.timerRunning());
    EXPECT_TRUE(hover.timerFired(false));
    EXPECT_FALSE(hover.timerRunning());
    EXPECT_FALSE(hover.timerFired(false)); // a late tick stops nothing twice
    EXPECT_TRUE(hover.mouseMoved());
}

TEST(WindowBarHoverState, ButtonFollowsTheTabUnderTheCursor) {
    WindowBarHover hover;
    WindowBarHover::Change change = hover.update(1, 3, true);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.previous, -1);
    EXPECT_EQ(change.index, 1);
    EXPECT_FALSE(hover.update(1, 3, true).changed);

    change = hover.update(-1, 3, true);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.previous, 1);
    EXPECT_EQ(change.index, -1);

    // Without the option, or without tabs, no tab carries the button.
    EXPECT_FALSE(hover.update(2, 3, false).changed);
    EXPECT_EQ(hover.update(2, 0, true).index, -1);
    EXPECT_EQ(hover.update(5, 3, true).index, -1);
}

TEST(WindowBarHoverState, ClickClosesTheTabThatCarriesTheButton) {
    WindowBarHover hover;
    EXPECT_EQ(hover.buttonClicked(3), -1);
    hover.update(2, 3, true);
    EXPECT_EQ(hover.buttonClicked(3), 2);
    // The tab went away before the click arrived.
    EXPECT_EQ(hover.buttonClicked(2), -1);

    hover.mouseMoved();
    const WindowBarHover::Change change = hover.reset();
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.previous, 2);
    EXPECT_EQ(hover.index(), -1);
    EXPECT_FALSE(hover.timerRunning());
}
