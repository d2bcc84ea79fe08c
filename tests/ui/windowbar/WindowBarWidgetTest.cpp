#include "BarTestSupport.h"

#include "frame/CTabCloseButton.h"
#include "frame/WindowBarMouse.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

using namespace bar_test;

namespace {

class WindowBarWidgetTest : public ::testing::Test {
protected:
    void TearDown() override { bar.reset(); }

    // A shown bar of width pixels over the model.
    CWindowBar& makeBar(int width = 600, WindowBarOptions options = {}) {
        bar = std::make_unique<CWindowBar>(model, host);
        bar->setOptions(options);
        bar->resize(width, bar->height());
        bar->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
        return *bar;
    }
    QPoint centre(int index) const { return bar->itemRect(index).center(); }
    void moveTo(const QPoint& pos) {
        QCursor::setPos(bar->mapToGlobal(pos));
        QTest::mouseMove(bar.get(), pos);
    }

    Windows w;
    WindowBarModel model;
    FakeBarHost host{model};
    std::unique_ptr<CWindowBar> bar;
};

} // namespace

TEST_F(WindowBarWidgetTest, FollowsTheModel) {
    fill(model, w, {"A", "B", "C"}, 1);
    CWindowBar& b = makeBar(); // made after the tabs: it takes them over
    EXPECT_EQ(shown(b), "A B* C");

    model.insert(w[3], true, model.currentWindow());
    model.setText(w[3], "Q&A");
    EXPECT_EQ(shown(b), "A B Q&A* C");
    // An ampersand is shown, never taken as a mnemonic.
    EXPECT_EQ(b.tabText(2), "Q&&A");

    model.setProgress(w[0], 50, {"A", true, true});
    EXPECT_EQ(b.tabImage(0), 14);
    model.setLockMark(w[0], false);
    EXPECT_EQ(b.tabImage(0), 4);
    EXPECT_EQ(b.tabImage(1), 0);

    model.remove(w[3]); // the current tab: the one after it follows
    EXPECT_EQ(shown(b), "A B C*");
    model.select(w[0]);
    EXPECT_EQ(shown(b), "A* B C");
    for (int i = 0; i < 3; ++i)
        model.remove(w[i]);
    EXPECT_EQ(b.count(), 0);
    EXPECT_EQ(b.rowCount(), 0);
    EXPECT_EQ(b.height(), windowBarBandHeight(0, std::nullopt));
    EXPECT_TRUE(host.activated.empty()); // following the model activates nothing
}

TEST_F(WindowBarWidgetTest, ClicksMakeTheTabCurrentAndBringItsWindowForward) {
    fill(model, w, {"A", "B", "C"}, 0);
    CWindowBar& b = makeBar();
    QTest::mouseClick(&b, Qt::LeftButton, {}, centre(2));
    EXPECT_EQ(model.currentIndex(), 2);
    ASSERT_EQ(host.activated.size(), 1u);
    EXPECT_EQ(host.activated[0], std::make_pair(w[2], TabShowCommand::Normal));

    // The current tab brings its window forward too; maximised stays so.
    host.maximized = true;
    QTest::mouseClick(&b, Qt::LeftButton, {}, centre(2));
    ASSERT_EQ(host.activated.size(), 2u);
    EXPECT_EQ(host.activated[1], std::make_pair(w[2], TabShowCommand::Maximized));

    QTest::mouseClick(&b, Qt::LeftButton, {}, {b.width() - 3, 5}); // beside the tabs
    EXPECT_EQ(host.activated.size(), 2u);
    EXPECT_EQ(model.currentIndex(), 2);
}

TEST_F(WindowBarWidgetTest, MiddleClickClosesOnlyWithItsSetting) {
    fill(model, w, {"A", "B", "C"}, 0);
    WindowBarOptions options;
    options.middleClickClose = false;
    CWindowBar& b = makeBar(600, options);
    QTest::mouseClick(&b, Qt::MiddleButton, {}, centre(1));
    EXPECT_TRUE(host.closed.empty());
    EXPECT_EQ(model.currentIndex(), 0);

    options.middleClickClose = true;
    b.setOptions(options);
    QTest::mouseClick(&b, Qt::MiddleButton, {}, centre(1));
    EXPECT_EQ(host.closed, std::vector<TabWindow>{w[1]});
    EXPECT_EQ(shown(b), "A* C");
    EXPECT_TRUE(host.activated.empty());
}

TEST_F(WindowBarWidgetTest, DoubleClickClosesOnlyWithItsSetting) {
    fill(model, w, {"A", "B", "C"}, 0);
    CWindowBar& b = makeBar(); // AllowDoubleClickClose is off by default
    QTest::mouseDClick(&b, Qt::LeftButton, {}, centre(1));
    EXPECT_TRUE(host.closed.empty());
    EXPECT_EQ(model.currentIndex(), 1);

    WindowBarOptions options;
    options.doubleClickClose = true;
    b.setOptions(options);
    host.activated.clear();
    QTest::mouseDClick(&b, Qt::LeftButton, {}, centre(1));
    EXPECT_EQ(host.closed, std::vector<TabWindow>{w[1]});
    // The tab that slid under the cursor is not activated by the same
    // double click.
    for (const auto& [window, show] : host.activated)
        EXPECT_EQ(window, w[1]);
    EXPECT_EQ(model.count(), 2);
}

TEST_F(WindowBarWidgetTest, RightClickMakesTheContextWindowAndShowsTheMenuOnATab) {
    fill(model, w, {"A", "B", "C"}, 0);
    CWindowBar& b = makeBar();
    int highlightedDuringMenu = -2;
    host.onMenu = [&](TabWindow) { highlightedDuringMenu = b.highlightedTab(); };
    auto rightClick = [&](const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, b.mapToGlobal(pos));
        QApplication::sendEvent(&b, &event);
    };

    rightClick(centre(1));
    EXPECT_EQ(host.menus, std::vector<TabWindow>{w[1]});
    EXPECT_EQ(highlightedDuringMenu, 1);
    EXPECT_EQ(b.highlightedTab(), -1);
    EXPECT_EQ(b.contextWindow(), w[1]); // kept for the menu's command
    EXPECT_EQ(model.currentIndex(), 0); // a right click selects nothing

    rightClick({b.width() - 3, 5});
    EXPECT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(b.contextWindow(), nullptr);

    // A command of the menu closes the window: the context window goes with
    // its tab, and no stale highlight stays behind.
    host.onMenu = [&](TabWindow window) { host.CloseTabWindow(window); };
    rightClick(centre(2));
    EXPECT_EQ(b.contextWindow(), nullptr);
    EXPECT_EQ(b.highlightedTab(), -1);
    EXPECT_EQ(shown(b), "A* B");
}

TEST_F(WindowBarWidgetTest, TooltipIsTheWindowTitleCutToTheBuffer) {
    fill(model, w, {"A", "B"}, 0);
    host.titles[w[1]] = QString(100, QLatin1Char('t'));
    CWindowBar& b = makeBar();
    QHelpEvent help(QEvent::ToolTip, centre(1), b.mapToGlobal(centre(1)));
    QApplication::sendEvent(&b, &help);
    EXPECT_EQ(QToolTip::text(), QString(79, QLatin1Char('t')));
    QToolTip::hideText();
}

TEST_F(WindowBarWidgetTest, CloseButtonFollowsTheTabUnderTheCursor) {
    fill(model, w, {"A", "B", "C", "D"}, 0);
    CWindowBar& b = makeBar();
    CTabCloseButton* button = b.closeButton();
    EXPECT_EQ(button->objectName(), "1013");
    EXPECT_EQ(button->toolTip(), "关闭");
    EXPECT_FALSE(button->isVisible());

    moveTo(centre(1));
    EXPECT_EQ(b.hoverIndex(), 1);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->geometry(), tabCloseButtonGeometry(b.itemRect(1), button->size()));
    moveTo(centre(2));
    EXPECT_EQ(button->geometry(), tabCloseButtonGeometry(b.itemRect(2), button->size()));

    // Its click closes the tab's window; the next tab slides under the
    // cursor and carries the button.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(host.closed, std::vector<TabWindow>{w[2]});
    EXPECT_EQ(shown(b), "A* B D");
    EXPECT_EQ(b.hoverIndex(), 2);
    EXPECT_EQ(button->geometry(), tabCloseButtonGeometry(b.itemRect(2), button->size()));

    // Leaving the bar: the hover timer notices and hides the button.
    QCursor::setPos(b.mapToGlobal(QPoint(b.width() / 2, b.height() + 40)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return b.hoverIndex() == -1; }, 2000));
    EXPECT_FALSE(button->isVisible());

    // Without DisplayTabCloseButton no tab gets it.
    WindowBarOptions options;
    options.closeButton = false;
    b.setOptions(options);
    moveTo(centre(0));
    EXPECT_EQ(b.hoverIndex(), -1);
    EXPECT_FALSE(button->isVisible());
}

TEST_F(WindowBarWidgetTest, FixedWidthTabsFitTheBarAfterEveryResize) {
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << QStringLiteral("Window %1").arg(i);
    fill(model, w, texts, 0);
    WindowBarOptions options;
    options.tabWidth = 150;
    CWindowBar& b = makeBar(1000, options);
    EXPECT_EQ(b.itemSize(), QSize(88, 22));
    b.resize(500, b.height());
    EXPECT_EQ(b.itemSize(), QSize(38, 22));
    model.remove(w[9]);
    model.remove(w[8]);
    EXPECT_EQ(b.itemSize(), QSize(50, 22)); // (500 - 80 - 20) / 8
    EXPECT_EQ(b.itemRect(0).width(), 50 + kTabPadding);

    // Not fitted: TabWidth x 22; not fixed: as wide as the text.
    options.fixedWidthType = 0;
    b.setOptions(options);
    EXPECT_EQ(b.itemSize(), QSize(150, 22));
    options.fixedWidth = false;
    b.setOptions(options);
    EXPECT_FALSE(b.itemSize().isValid());
    model.setText(w[1], QStringLiteral("A much longer window title"));
    EXPECT_GT(b.itemRect(1).width(), b.itemRect(0).width());
}

TEST_F(WindowBarWidgetTest, SeveralRowsMakeTheBarTaller) {
    fill(model, w, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 0);
    WindowBarOptions options;
    options.singleLine = false;
    options.fixedWidthType = 0;
    options.tabWidth = 90;
    CWindowBar& b = makeBar(400);
    QSignalSpy rows(&b, &CWindowBar::rowsChanged);
    b.setOptions(options);
    EXPECT_EQ(b.rowCount(), 3);
    EXPECT_EQ(b.height(), 73); // (22 + 3) x 3 - 2
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.takeFirst().at(0).toInt(), 3);

    for (int i = 9; i >= 4; --i)
        model.remove(w[i]);
    EXPECT_EQ(b.rowCount(), 1);
    EXPECT_EQ(b.height(), 23);
}

TEST_F(WindowBarWidgetTest, OneRowScrollsToShowTheCurrentTab) {
    fill(model, w, {"1", "2", "3", "4", "5", "6", "7", "8"}, 0);
    WindowBarOptions options;
    options.fixedWidthType = 0;
    options.tabWidth = 90;
    CWindowBar& b = makeBar(300, options);
    auto* right = b.findChild<QToolButton*>("scrollRight");
    auto* left = b.findChild<QToolButton*>("scrollLeft");
    ASSERT_TRUE(right && left);
    EXPECT_TRUE(right->isVisible());
    EXPECT_FALSE(left->isEnabled());

    model.selectIndex(7);
    EXPECT_GT(b.firstVisibleTab(), 0);
    EXPECT_LT(b.itemRect(7).right(), left->x());
    EXPECT_EQ(b.hitTest(centre(7)), 7);
    EXPECT_TRUE(left->isEnabled());
    EXPECT_FALSE(right->isEnabled());
    left->click();
    left->click();
    EXPECT_EQ(b.hitTest(centre(7)), -1); // under the buttons now
    b.setOptions(options);                // restyling shows the current tab
    EXPECT_EQ(b.hitTest(centre(7)), 7);

    // Room for every tab again: no scrolling, no buttons.
    b.resize(900, b.height());
    EXPECT_EQ(b.firstVisibleTab(), 0);
    EXPECT_FALSE(right->isVisible());
}
