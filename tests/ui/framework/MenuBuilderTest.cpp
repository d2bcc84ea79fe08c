#include "framework/MenuBuilder.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/CommandTarget.h"
#include "framework/IdleUpdater.h"
#include "framework/WaitCursor.h"
#include "res/AcceleratorTable.h"
#include "res/MenuTable.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

class MenuBuilderTest : public ::testing::Test {
protected:
    MenuBuilderTest() {
        router.setMainFrame(&frame);
        binder.setStatusSink([this](const QString& text) { status << text; });
    }
    QMenuBar* mainMenuBar() {
        return builder.buildMenuBar(*res::findMenuResource(res::MainMenu), &window);
    }
    void handle(unsigned id) {
        frame.commands().on(id, [this, id] { executed.push_back(id); });
    }

    QMainWindow window;
    CommandTarget frame;
    CommandRouter router;
    CommandBinder binder{router};
    MenuBuilder builder{binder};
    std::vector<unsigned> executed;
    QStringList status;
};

QStringList titles(const QMenuBar* bar) {
    QStringList result;
    for (QAction* action : bar->actions())
        result << action->text();
    return result;
}

TEST_F(MenuBuilderTest, MenuBarCarriesIdsTextsAndPositionsOfTheTable) {
    QMenuBar* bar = mainMenuBar();
    EXPECT_EQ(titles(bar), (QStringList{"文件(&F)", "编辑(&E)", "视图(&V)", "转到(&G)", "收藏(&A)",
                                        "快捷组(&L)", "工具(&T)", "窗口(&W)", "帮助(&H)"}));

    QMenu* file = MenuBuilder::menuAt(bar, res::mainpos::File);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(MenuBuilder::submenuAt(file, 0)->title(), "用IE新建一个窗口(N)");
    EXPECT_EQ(MenuBuilder::submenuAt(file, 1)->title(), "用 Netscape 新建一个窗口(&T)");
    QAction* open = file->actions().at(2);
    EXPECT_EQ(CommandBinder::commandId(open), cmd::FileOpen);
    // The shortcut text after the tab is shown in the menu's shortcut column;
    // the keys themselves come from the accelerator table.
    EXPECT_EQ(open->text(), "打开(&O)...\tCtrl+O");
    EXPECT_TRUE(open->shortcut().isEmpty());
    EXPECT_TRUE(file->actions().at(3)->isSeparator());

    QMenu* view = MenuBuilder::menuAt(bar, res::mainpos::View);
    EXPECT_EQ(view->actions().size(), qsizetype(res::findPopup(128, 2)->items.size()));
    EXPECT_NE(
        MenuBuilder::findCommand(MenuBuilder::submenuAt(view, 10), cmd::TextSizeMedium, false),
        nullptr);
    EXPECT_NE(
        MenuBuilder::findCommand(MenuBuilder::submenuAt(view, 11), cmd::DownloadScripts, false),
        nullptr);
    QAction* favorites = MenuBuilder::findCommand(bar, cmd::ExplorerFavorites);
    ASSERT_NE(favorites, nullptr);
    EXPECT_EQ(favorites->text(), "收藏夹\tCtrl+I");
    EXPECT_EQ(MenuBuilder::findCommand(bar, 4711), nullptr);

    // The disabled placeholder of a menu filled at run time.
    QMenu* closed = MenuBuilder::submenuAt(MenuBuilder::menuAt(bar, res::mainpos::Go), 10);
    ASSERT_EQ(closed->actions().size(), 1);
    EXPECT_EQ(closed->actions().first()->text(), "（空）");
    EXPECT_FALSE(closed->actions().first()->isEnabled());
}

TEST_F(MenuBuilderTest, OpeningAMenuUpdatesItsItemsThroughTheRouter) {
    handle(cmd::FileOpen);
    handle(cmd::WorkOffline);
    frame.commands().onUpdate(cmd::WorkOffline, [](CommandState& s) { s.setCheck(); });
    frame.commands().onUpdate(cmd::FilePrint, [](CommandState& s) { s.setText("打印网页"); });
    handle(cmd::FilePrint);

    QMenu* file = MenuBuilder::menuAt(mainMenuBar(), res::mainpos::File);
    QAction* open = MenuBuilder::findCommand(file, cmd::FileOpen);
    QAction* offline = MenuBuilder::findCommand(file, cmd::WorkOffline);
    QAction* close = MenuBuilder::findCommand(file, cmd::FileClose);
    QAction* print = MenuBuilder::findCommand(file, cmd::FilePrint);
    emit file->aboutToShow();

    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(open->isCheckable()) << "unmarked items show no empty check box";
    EXPECT_TRUE(offline->isChecked());
    EXPECT_FALSE(close->isEnabled()) << "nothing handles close without a window";
    EXPECT_EQ(print->text(), "打印网页");

    // Submenus update when they open, not with their parent.
    QAction* blank = MenuBuilder::findCommand(file, cmd::NewBlankPage);
    EXPECT_TRUE(blank->isEnabled());
    emit MenuBuilder::submenuAt(file, 0)->aboutToShow();
    EXPECT_FALSE(blank->isEnabled());
}

TEST_F(MenuBuilderTest, RadioItemsShowAnExclusiveMark) {
    int level = 2;
    for (unsigned id : {cmd::TextSizeLargest, cmd::TextSizeLarger, cmd::TextSizeMedium,
                        cmd::TextSizeSmaller, cmd::TextSizeSmallest}) {
        handle(id);
        const int itemLevel = id == cmd::TextSizeLargest   ? 4
                              : id == cmd::TextSizeLarger  ? 3
                              : id == cmd::TextSizeMedium  ? 2
                              : id == cmd::TextSizeSmaller ? 1
                                                           : 0;
        frame.commands().onUpdate(
            id, [&level, itemLevel](CommandState& s) { s.setRadio(level == itemLevel); });
    }
    QMenu* sizes = MenuBuilder::submenuAt(MenuBuilder::menuAt(mainMenuBar(), 2), 10);
    emit sizes->aboutToShow();
    QAction* medium = MenuBuilder::findCommand(sizes, cmd::TextSizeMedium);
    QAction* larger = MenuBuilder::findCommand(sizes, cmd::TextSizeLarger);
    EXPECT_TRUE(medium->isChecked());
    ASSERT_NE(medium->actionGroup(), nullptr);
    EXPECT_NE(medium->actionGroup()->exclusionPolicy(), QActionGroup::ExclusionPolicy::None);
    EXPECT_FALSE(larger->isChecked());

    larger->trigger();
    level = 3;
    emit sizes->aboutToShow();
    EXPECT_EQ(executed, std::vector<unsigned>{cmd::TextSizeLarger});
    EXPECT_TRUE(larger->isChecked());
    EXPECT_FALSE(medium->isChecked());
    EXPECT_EQ(medium->actionGroup(), nullptr);
}

TEST_F(MenuBuilderTest, ChoosingAnItemRoutesItsCommandOnlyWhileEnabled) {
    handle(cmd::CloseAll);
    bool enabled = true;
    frame.commands().onUpdate(cmd::CloseAll, [&](CommandState& s) { s.enable(enabled); });
    QSignalSpy spy(&binder, &CommandBinder::commandExecuted);

    QAction* closeAll = MenuBuilder::findCommand(mainMenuBar(), cmd::CloseAll);
    closeAll->trigger();
    enabled = false; // the action itself still looks enabled (stale state)
    closeAll->trigger();

    EXPECT_EQ(executed, std::vector<unsigned>{cmd::CloseAll});
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toUInt(), cmd::CloseAll);
}

TEST_F(MenuBuilderTest, HighlightingShowsThePromptAndClosingTheIdleText) {
    QMenuBar* bar = mainMenuBar();
    QMenu* file = MenuBuilder::menuAt(bar, res::mainpos::File);
    QSignalSpy spy(&binder, &CommandBinder::commandHighlighted);

    MenuBuilder::findCommand(file, cmd::FileOpen)->hover();
    MenuBuilder::findCommand(file, cmd::NewBlankPage)->hover();
    emit file->hovered(file->actions().at(0)); // the submenu item
    emit file->aboutToHide();

    EXPECT_EQ(status, (QStringList{"打开一个已有的文档", "打开一个新的空白页", "", "就绪   "}));
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).toUInt(), 0u);
}

TEST_F(MenuBuilderTest, ItemsMadeAtRunTimeGetTheirPromptFromTheProvider) {
    binder.setPromptProvider([](unsigned id, QAction* action) -> std::optional<QString> {
        if (!cmd::Favorites.contains(id))
            return std::nullopt;
        return "打开 " + action->data().toString();
    });
    QMenu* favorites = MenuBuilder::menuAt(mainMenuBar(), res::mainpos::Favorites);
    QAction* link = builder.addCommand(favorites, cmd::Favorites.at(3), "Example");
    link->setData("http://example.org/");

    link->hover();
    MenuBuilder::findCommand(favorites, cmd::AddToFavorites)->hover();
    EXPECT_EQ(status, (QStringList{"打开 http://example.org/", "将当前页添加到收藏夹"}));
    EXPECT_EQ(favorites->actions().indexOf(link), 2);
}

TEST_F(MenuBuilderTest, ContextMenusAreBuiltFromTheirResource) {
    std::unique_ptr<QMenu> tab(builder.buildPopup(res::WindowContextMenus, 1, nullptr));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->title(), "Tab");
    EXPECT_EQ(MenuBuilder::submenuAt(tab.get(), res::subpos::ContextLinkGroupAdd)->title(),
              "添加到快捷组(&G)");
    EXPECT_EQ(builder.buildPopup(res::WindowContextMenus, 2, nullptr), nullptr);
    std::unique_ptr<QMenu> tray(builder.buildPopup(res::SystrayMenu, 0, nullptr));
    EXPECT_EQ(CommandBinder::commandId(tray->actions().at(2)), cmd::TrayExit);
}

TEST_F(MenuBuilderTest, AcceleratorsRouteTheirCommandsWhileEnabled) {
    handle(cmd::ExplorerFolders);
    handle(cmd::ExplorerFavorites);
    handle(cmd::Stop);
    frame.commands().onUpdate(cmd::Stop, [](CommandState& s) { s.enable(false); });
    const QList<QShortcut*> shortcuts =
        binder.installAccelerators(&window, res::mainAccelerators());
    ASSERT_EQ(shortcuts.size(), qsizetype(res::mainAccelerators().size()));
    EXPECT_EQ(shortcuts.at(0)->key(), QKeySequence(Qt::CTRL | Qt::Key_C));

    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Escape); // disabled: nothing runs
    EXPECT_EQ(executed, std::vector<unsigned>{cmd::ExplorerFolders});
}

TEST_F(MenuBuilderTest, IdleUpdaterKeepsTrackedActionsCurrent) {
    bool locked = false;
    frame.commands().on(cmd::LockWindow, [&] { locked = !locked; });
    frame.commands().onUpdate(cmd::LockWindow, [&](CommandState& s) { s.setCheck(locked); });
    IdleUpdater updater(binder);
    updater.setHeartbeatInterval(0);
    QSignalSpy idle(&updater, &IdleUpdater::idle);
    auto* button = binder.createAction(cmd::LockWindow, "锁定窗口", &window);
    auto* orphan = binder.createAction(cmd::Stop, "停止", &window);
    updater.track({button, orphan});
    delete orphan;

    // A command that ran schedules a pass once the event loop is idle.
    button->trigger();
    EXPECT_FALSE(button->isChecked());
    QTRY_COMPARE(updater.passCount(), 1);
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(idle.count(), 1);

    // Several requests before the loop runs make one pass.
    locked = false;
    updater.schedule();
    updater.schedule();
    QCoreApplication::processEvents();
    EXPECT_EQ(updater.passCount(), 2);
    EXPECT_FALSE(button->isChecked());
}

TEST(WaitCursorTest, NestedWaitCursorsRestoreTheCursorOnce) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            WaitCursor inner(Qt::BusyCursor);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
            EXPECT_EQ(WaitCursor::depth(), 2);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(WaitCursor::depth(), 0);
}

} // namespace
