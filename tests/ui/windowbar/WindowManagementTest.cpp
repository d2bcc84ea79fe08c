#include "ui/browser/BrowserFixture.h"
#include "ui/windowbar/ActiveWindowAgreement.h"

#include "frame/CSelectWindowDialog.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "frame/WindowListMenu.h"
#include "framework/MenuBuilder.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QPushButton>

namespace {

class WindowManagement : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        start();
        settings().AppendNewWindow = 1;
        settings().ConfirmExitApp = 0;
    }

    // Every operation of these tests ends with the window bar, the window
    // area, the address bar and the caption naming the same window.
    void TearDown() override {
        if (app) {
            EXPECT_TRUE(ActiveWindowAgrees(frame()));
        }
        BrowserFixture::TearDown();
    }

    CBrowserView* openTitled(const QString& title, bool activate = true) {
        CBrowserView* view = open(activate);
        engineOf(view).playLoad("http://" + title.toLower() + ".example/", title);
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
        return view;
    }
    // Windows named by the letters of names, in tab order.
    std::vector<CBrowserView*> openMany(const QString& names) {
        std::vector<CBrowserView*> opened;
        for (QChar name : names)
            opened.push_back(openTitled(QString(name)));
        return opened;
    }
    CBrowserView* active() const { return app->ActiveView(); }
    void close(CBrowserView* view) {
        view->ChildFrame()->close();
        settle();
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
    }
    void activate(CBrowserView* view) {
        view->ChildFrame()->Activate();
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
    }
    bool run(unsigned id) {
        const bool ran = app->Router().execute(id);
        settle();
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
        return ran;
    }
    CWindowManager& windows() { return frame().Windows(); }
};

} // namespace

TEST_F(WindowManagement, ClosingTheActiveWindowActivatesByActivateMode) {
    std::vector<CBrowserView*> w = openMany("ABCD");
    settings().ActivateMode = 0; // previous; from the first tab the next
    activate(w[0]);
    close(w[0]);
    EXPECT_EQ(active(), w[1]);
    EXPECT_EQ(tabs(), "B* C D");
    close(w[2]); // an inactive window: the active one stays
    EXPECT_EQ(active(), w[1]);

    settings().ActivateMode = 1; // next; from the last tab the previous
    activate(w[3]);
    close(w[3]);
    EXPECT_EQ(active(), w[1]);
    close(w[1]);
    EXPECT_EQ(active(), nullptr);
    EXPECT_EQ(tabs(), "");
    EXPECT_EQ(frame().StatusPane()->text(), "就绪   ");
    EXPECT_EQ(addressText(), "about:blank");
}

TEST_F(WindowManagement, CreationOrderActivatesTheWindowMadeBefore) {
    settings().AppendNewWindow = 0;
    std::vector<CBrowserView*> w = openMany("AB");
    activate(w[0]);
    CBrowserView* c = openTitled("C"); // made last, its tab after A
    ASSERT_EQ(tabs(), "A C* B");
    settings().ActivateMode = 2;
    close(c);
    EXPECT_EQ(active(), w[1]); // B was made just before C; A is C's tab neighbour
    EXPECT_EQ(tabs(), "A B*");
}

TEST_F(WindowManagement, ALockedWindowAsksAndNoKeepsIt) {
    std::vector<CBrowserView*> w = openMany("AB");
    w[1]->SetLocked(true);
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    EXPECT_FALSE(w[1]->ChildFrame()->close());
    settle();
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, "下列窗口当前已被锁定。 你想关闭它吗？\n\n\"B\"");
    EXPECT_EQ(tabs(), "A B!*");
    EXPECT_EQ(active(), w[1]);

    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    EXPECT_TRUE(w[1]->ChildFrame()->close());
    settle();
    EXPECT_EQ(tabs(), "A*");
    // The closed window is the most recently closed one now.
    ASSERT_FALSE(settings().ClosedWindows().isEmpty());
    EXPECT_TRUE(settings().ClosedWindows().front().contains("http://b.example/"));
}

TEST_F(WindowManagement, ExitClosesLockedWindowsWithoutAsking) {
    std::vector<CBrowserView*> w = openMany("ABC");
    w[0]->SetLocked(true);
    w[2]->SetLocked(true);
    EXPECT_TRUE(frame().close());
    settle();
    EXPECT_TRUE(dialogs().empty());
    EXPECT_TRUE(views().empty());
}

TEST_F(WindowManagement, SelectWindowDialogClosesTheSelectedButTheLockedOne) {
    std::vector<CBrowserView*> w = openMany("ABCD");
    w[1]->SetLocked(true);
    // Select A, B and D, close them (Yes to the one question), then cancel.
    DialogRunner::instance().push(ScriptedAnswer::acting([&](QDialog& d) {
        auto& dialog = static_cast<CSelectWindowDialog&>(d);
        QListWidget* list = dialog.list();
        list->clearSelection();
        for (int row : {0, 1, 3})
            list->item(row)->setSelected(true);
        dialog.closeSelectedButton()->click();
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "B");
        dialog.reject();
        return dialog.result();
    }));
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    ASSERT_TRUE(run(cmd::SelectWindow));
    settle();
    EXPECT_EQ(views(), (std::vector<CBrowserView*>{w[1], w[2]}));
    ASSERT_EQ(dialogs().size(), 2u); // the dialog and one question, none for B
    EXPECT_EQ(dialogs()[1].text, "你想关闭选定的窗口吗?");
    // The active window's tab is the current one.
    ASSERT_NE(active(), nullptr);
    EXPECT_EQ(frame().WindowBarTabs().currentWindow(), active());

    // OK on one entry activates its window.
    for (int row : {0, 1}) {
        DialogRunner::instance().push(ScriptedAnswer::acting([row](QDialog& d) {
            auto& dialog = static_cast<CSelectWindowDialog&>(d);
            dialog.list()->clearSelection();
            dialog.list()->item(row)->setSelected(true);
            dialog.okButton()->click();
            return dialog.result();
        }));
        ASSERT_TRUE(run(cmd::SelectWindow));
        EXPECT_EQ(active(), w[1 + static_cast<std::size_t>(row)]);
        EXPECT_EQ(frame().WindowBarTabs().currentIndex(), row);
    }
}

TEST_F(WindowManagement, WindowMenuListsTheFirstTenTabsAndTheSelectItem) {
    std::vector<CBrowserView*> w = openMany("ABCDEFGHIJKL");
    activate(w[2]);
    QMenu* menu = frame().WindowMenu();
    emit menu->aboutToShow();
    emit menu->aboutToShow(); // filled anew, never twice
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), kWindowMenuFixedItems + 1 + 10 + 2);
    EXPECT_TRUE(items[kWindowMenuFixedItems]->isSeparator());
    const QAction* third = items[kWindowMenuFixedItems + 3];
    EXPECT_EQ(CommandBinder::commandId(third), 65282u);
    EXPECT_EQ(third->text(), "C");
    EXPECT_TRUE(third->isChecked());
    EXPECT_FALSE(items[kWindowMenuFixedItems + 1]->isChecked());
    EXPECT_EQ(CommandBinder::commandId(items.back()), cmd::SelectWindow);
    EXPECT_EQ(items.back()->text(), "选择窗口...         ");

    ASSERT_TRUE(run(65289));
    EXPECT_EQ(active(), w[9]);
    // Previous and next wrap round.
    activate(w[0]);
    ASSERT_TRUE(run(cmd::PreviousWindow));
    EXPECT_EQ(active(), w[11]);
    ASSERT_TRUE(run(cmd::NextWindow));
    EXPECT_EQ(active(), w[0]);
}

TEST_F(WindowManagement, CloseAllAndCloseAllButOne) {
    std::vector<CBrowserView*> w = openMany("ABCD");
    w[2]->SetLocked(true);
    activate(w[3]);
    settings().ConfirmCloseAllEx = 1;
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    ASSERT_TRUE(run(cmd::CloseAllExceptActive));
    settle();
    EXPECT_EQ(tabs(), "C! D*"); // the locked window stays, and no one asks for it
    EXPECT_EQ(settings().ConfirmCloseAllEx, 0);
    EXPECT_EQ(dialogs().back().text, "你想关闭除选定窗口外的所有窗口吗？");

    settings().ConfirmCloseAll = 1;
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    ASSERT_TRUE(run(cmd::CloseAll));
    EXPECT_EQ(tabs(), "C! D*");
    settings().ConfirmCloseAll = 0;
    ASSERT_TRUE(run(cmd::CloseAll));
    settle();
    EXPECT_EQ(tabs(), "C!*");
    EXPECT_FALSE(app->Router().isEnabled(cmd::CloseAllExceptActive)); // one window
}

TEST_F(WindowManagement, TabMenuCommandsActOnTheRightClickedTab) {
    std::vector<CBrowserView*> w = openMany("ABC");
    CWindowBar* bar = frame().WindowBar();
    QStringList menuTitles;
    unsigned command = cmd::TabLock;
    windows().setMenuRunner([&](QMenu& menu, const QPoint&) {
        menuTitles << menu.title();
        EXPECT_NE(windows().contextLinkGroupMenu(), nullptr);
        if (QAction* action = MenuBuilder::findCommand(&menu, command)) {
            frame().Binder().updateAction(action);
            if (action->isEnabled())
                action->trigger();
        }
    });
    auto rightClick = [&](int index) {
        const QPoint pos = bar->itemRect(index).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, bar->mapToGlobal(pos));
        QApplication::sendEvent(bar, &event);
    };
    rightClick(0);
    EXPECT_EQ(menuTitles, QStringList{"Tab"});
    EXPECT_TRUE(w[0]->IsLocked());
    EXPECT_FALSE(w[2]->IsLocked());
    EXPECT_EQ(tabs(), "A! B C*");
    EXPECT_EQ(windows().contextLinkGroupMenu(), nullptr);

    command = cmd::TabClose;
    rightClick(1);
    settle();
    EXPECT_EQ(tabs(), "A! C*");
    EXPECT_EQ(active(), w[2]);

    // The caption's menu: only a right click on the caption shows it.
    w[2]->ChildFrame()->showNormal();
    command = 0;
    QContextMenuEvent caption(QContextMenuEvent::Mouse, QPoint(20, 3),
                              w[2]->ChildFrame()->mapToGlobal(QPoint(20, 3)));
    QApplication::sendEvent(w[2]->ChildFrame(), &caption);
    EXPECT_EQ(menuTitles.back(), "Caption");
}

TEST_F(WindowManagement, TheBarMovesKeepingItsTabs) {
    std::vector<CBrowserView*> w = openMany("ABC");
    activate(w[1]);
    CWindowBar* bar = frame().WindowBar();
    ASSERT_TRUE(run(cmd::WindowBarHide));
    EXPECT_FALSE(bar->isVisibleTo(&frame()));
    EXPECT_TRUE(app->Router().stateOf(cmd::WindowBarHide).isChecked());
    ASSERT_TRUE(run(cmd::WindowBarBottom));
    EXPECT_TRUE(bar->isVisibleTo(&frame()));
    EXPECT_EQ(bar->parentWidget()->objectName(), "bottomWindowBarSlot");
    EXPECT_TRUE(app->Router().stateOf(cmd::WindowBarBottom).isChecked());
    EXPECT_FALSE(app->Router().stateOf(cmd::WindowBarTop).isChecked());
    EXPECT_EQ(bar->count(), 3);
    EXPECT_EQ(bar->currentIndex(), 1);
    ASSERT_TRUE(run(cmd::WindowBarTop));
    EXPECT_EQ(bar->parentWidget()->objectName(), "topWindowBarSlot");
    EXPECT_EQ(bar->currentIndex(), 1);

    // Several rows: fitting is switched off and its item disabled.
    ASSERT_TRUE(run(cmd::WindowBarSingleLine));
    EXPECT_EQ(settings().UseSingleLineTabs, 0);
    EXPECT_EQ(settings().FixedTabWidthType, 0);
    EXPECT_TRUE(bar->barStyle().multiRow);
    EXPECT_FALSE(app->Router().isEnabled(cmd::WindowBarFitWidth));
    ASSERT_TRUE(run(cmd::WindowBarSingleLine));
    EXPECT_FALSE(bar->barStyle().multiRow);
}

TEST_F(WindowManagement, NewWindowsFollowTheMaximisedState) {
    std::vector<CBrowserView*> w = openMany("A");
    w[0]->ChildFrame()->showMaximized();
    EXPECT_EQ(settings().MaximizeChild, 1);
    CBrowserView* b = openTitled("B");
    EXPECT_TRUE(b->ChildFrame()->isMaximized());
    b->ChildFrame()->showNormal();
    EXPECT_EQ(settings().MaximizeChild, 0);
}

TEST_F(WindowManagement, TilingSharesTheAreaAmongTheShownWindows) {
    std::vector<CBrowserView*> w = openMany("ABC");
    w[0]->ChildFrame()->showMinimized();
    w[2]->ChildFrame()->showMaximized();
    const QRect room = frame().MdiArea()->viewport()->rect();
    ASSERT_TRUE(run(cmd::WindowTileHorizontal));
    // The minimised window keeps out; the two others share the height.
    const QRect top = w[2]->ChildFrame()->geometry(); // the active one first
    const QRect bottom = w[1]->ChildFrame()->geometry();
    EXPECT_FALSE(w[2]->ChildFrame()->isMaximized());
    EXPECT_EQ(top, QRect(0, 0, room.width(), room.height() / 2));
    EXPECT_EQ(bottom.top(), top.bottom() + 1);
    EXPECT_EQ(bottom.bottom(), room.bottom());
    EXPECT_TRUE(w[0]->ChildFrame()->isMinimized());

    ASSERT_TRUE(run(cmd::WindowTileVertical));
    EXPECT_EQ(w[2]->ChildFrame()->geometry(), QRect(0, 0, room.width() / 2, room.height()));
    EXPECT_EQ(w[1]->ChildFrame()->geometry().right(), room.right());
}
