#include "../browser/BrowserFixture.h"

#include "addressbar/CFlatImageButton.h"
#include "explorerbar/CExplorerBar.h"
#include "explorerbar/CExplorerBarHost.h"
#include "explorerbar/CExplorerTree.h"
#include "explorerbar/CFavoritesPane.h"
#include "explorerbar/CFoldersPane.h"
#include "framework/CommandRouter.h"
#include "framework/IdleUpdater.h"
#include "system/InternetShortcut.h"
#include "system/ShellFolders.h"
#include "system/VisitHistory.h"

#include <QDockWidget>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>
#include <QUrl>

namespace {

QStringList childTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QStringList topTexts(const QTreeWidget* tree) {
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(0);
    return texts;
}

QTreeWidgetItem* childNamed(QTreeWidgetItem* item, const QString& text) {
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == text)
            return item->child(i);
    return nullptr;
}

void click(CExplorerTree* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void drag(QWidget* bar, int x, Qt::MouseButtons buttons = Qt::LeftButton) {
    const QPointF pos(x, 100);
    QMouseEvent move(QEvent::MouseMove, pos, bar->mapToGlobal(pos), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
}

} // namespace

class ExplorerBarTest : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        SharedVisitHistory().Clear();
        favorites = testenv::freshDir("Favorites");
        RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kShellFoldersKeyPath))
            .setString(QString::fromUtf16(kFavoritesFolderValue), favorites);
    }
    using RegKey = platform::RegKey;
    using RegRoot = platform::RegRoot;

    void startShown(int width = 1000) {
        start();
        settings().ConfirmExitApp = 0;
        frame().resize(width, 700);
        frame().show();
        settle();
    }
    // Runs id and lets a closed bar go.
    bool run(unsigned id) {
        const bool ran = app->Router().execute(id);
        settle();
        return ran;
    }
    bool checked(unsigned id) { return app->Router().stateOf(id).isChecked(); }
    CExplorerBar* bar() { return frame().findChild<CExplorerBar*>(); }

    QString favorites;
};

TEST_F(ExplorerBarTest, PaneCommandsOpenSwitchAndCloseTheBar) {
    startShown();
    EXPECT_EQ(bar(), nullptr);
    ASSERT_TRUE(run(cmd::ExplorerHistory));
    CExplorerBar* opened = bar();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->CurrentPane(), 1);
    EXPECT_TRUE(checked(cmd::ExplorerHistory));
    EXPECT_FALSE(checked(cmd::ExplorerFavorites));
    EXPECT_EQ(opened->Pane(0), nullptr); // panes are made when first shown

    // Favorites while History shows: the same bar switches.
    ASSERT_TRUE(run(cmd::ExplorerFavorites));
    EXPECT_EQ(bar(), opened);
    EXPECT_EQ(opened->CurrentPane(), 2);
    EXPECT_TRUE(opened->Pane(2)->isVisible());
    EXPECT_FALSE(opened->Pane(1)->isVisible());
    EXPECT_EQ(settings().ExplorerBarViewType, 2);

    // A tab click does the same as the command.
    opened->Tabs()->setCurrentIndex(0);
    EXPECT_TRUE(checked(cmd::ExplorerFolders));
    EXPECT_TRUE(opened->Pane(0)->isVisible());

    // The pane that shows, chosen again, closes the bar.
    ASSERT_TRUE(run(cmd::ExplorerFolders));
    settle();
    EXPECT_EQ(bar(), nullptr);
    EXPECT_EQ(frame().findChild<QDockWidget*>("explorerBarDock"), nullptr);
    EXPECT_EQ(settings().ExplorerBarViewType, -1);
    EXPECT_FALSE(checked(cmd::ExplorerFolders));

    // So does the close button.
    ASSERT_TRUE(run(cmd::ExplorerHistory));
    ASSERT_NE(bar(), nullptr);
    bar()->CloseButton()->click();
    settle();
    EXPECT_EQ(bar(), nullptr);
}

TEST_F(ExplorerBarTest, OpeningWidthIsKeptWithinTheFrame) {
    startShown(1000);
    settings().ExplorerBarWidth = 100;
    run(cmd::ExplorerFolders);
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->width(), 150);
    run(cmd::ExplorerFolders);
    settings().ExplorerBarWidth = 5000;
    run(cmd::ExplorerFolders);
    EXPECT_EQ(bar()->width(), 1000 - 50);
    // The browser windows' area gives the bar its room.
    EXPECT_GE(frame().MdiArea()->x(), bar()->width());
}

TEST_F(ExplorerBarTest, DragsResizeOnlyWithinTheLimits) {
    startShown(1000);
    settings().ExplorerBarWidth = 240;
    run(cmd::ExplorerHistory);
    CExplorerBar* explorer = bar();
    ASSERT_NE(explorer, nullptr);
    QTest::mousePress(explorer, Qt::LeftButton, {}, QPoint(239, 100));
    ASSERT_TRUE(explorer->IsDragging());
    drag(explorer, 300);
    EXPECT_EQ(explorer->width(), 300);
    drag(explorer, 150); // at the minimum: refused
    EXPECT_EQ(explorer->width(), 300);
    drag(explorer, 950); // within 50 pixels of the frame's right edge
    EXPECT_EQ(explorer->width(), 300);
    drag(explorer, 151);
    EXPECT_EQ(explorer->width(), 151);
    QTest::mouseRelease(explorer, Qt::LeftButton, {}, QPoint(151, 100));
    EXPECT_FALSE(explorer->IsDragging());
    drag(explorer, 400, Qt::NoButton);
    EXPECT_EQ(explorer->width(), 151);
    EXPECT_EQ(settings().ExplorerBarWidth, 151);

    // A press away from the edge starts no drag.
    QTest::mousePress(explorer, Qt::LeftButton, {}, QPoint(100, 5));
    drag(explorer, 400);
    EXPECT_EQ(explorer->width(), 151);
    QTest::mouseRelease(explorer, Qt::LeftButton, {}, QPoint(400, 5));
}

TEST_F(ExplorerBarTest, TheBarItsWidthAndPaneComeBackAfterARestart) {
    startShown();
    run(cmd::ExplorerFavorites);
    ASSERT_NE(bar(), nullptr);
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(bar()->width() - 1, 100));
    drag(bar(), 321);
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(321, 100));
    frame().close();
    app->ExitInstance();
    app.reset();

    startShown();
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->CurrentPane(), 2);
    EXPECT_EQ(bar()->width(), 321);

    // Closed by the user: the next start has no bar.
    run(cmd::ExplorerFavorites);
    frame().close();
    app->ExitInstance();
    app.reset();
    startShown();
    EXPECT_EQ(bar(), nullptr);
}

TEST_F(ExplorerBarTest, HistoryPaneShowsRecordedVisitsAndOpensThem) {
    startShown();
    CBrowserView* view = open();
    ASSERT_TRUE(engineOf(view).playLoad("https://www.example.org/a", "Page A"));
    ASSERT_TRUE(engineOf(view).playLoad("https://other.example/b", "Page B"));
    // A navigation that fails is no visit.
    engineOf(view).playDocumentComplete("https://broken.example/");
    engineOf(view).playNavigateError("https://broken.example/");
    settle();
    EXPECT_EQ(SharedVisitHistory().VisitCount(), 2);

    run(cmd::ExplorerHistory);
    CExplorerTree* tree = bar()->Tree(1);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* today = tree->topLevelItem(0);
    EXPECT_EQ(today->text(0), QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    click(tree, today);
    EXPECT_TRUE(today->isExpanded());
    EXPECT_EQ(childTexts(today), QStringList({"example.org", "other.example"}));
    QTreeWidgetItem* site = today->child(0);
    click(tree, site);
    ASSERT_EQ(childTexts(site), QStringList({"Page A"}));

    // A page opens in the active window, not remembered as typed.
    engineOf(view).clearCalls();
    click(tree, site->child(0));
    EXPECT_EQ(navigations(view), QStringList({"Navigate2 https://www.example.org/a"}));
    EXPECT_EQ(views().size(), 1u);

    // While the pane shows, a new visit appears; what was open stays open.
    ASSERT_TRUE(SharedVisitHistory().Record("https://www.example.org/c", "Page C"));
    QTRY_COMPARE(childTexts(tree->topLevelItem(0)->child(0)), QStringList({"Page C", "Page A"}));
    today = tree->topLevelItem(0);
    EXPECT_TRUE(today->child(0)->isExpanded());

    // A folder clicked again collapses.
    click(tree, today);
    EXPECT_FALSE(today->isExpanded());

    // Shown again, the pane reads the store anew.
    SharedVisitHistory().Clear();
    run(cmd::ExplorerFolders);
    run(cmd::ExplorerHistory);
    EXPECT_EQ(bar()->Tree(1)->topLevelItemCount(), 0);
}

TEST_F(ExplorerBarTest, ItemMenuCommandsOpenTheSelectedItem) {
    writeInternetShortcut(favorites + "/Site.url", "https://site.example/");
    startShown();
    run(cmd::ExplorerFavorites);
    CExplorerTree* tree = bar()->Tree(2);
    ASSERT_EQ(topTexts(tree), QStringList({"Site"}));
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_FALSE(app->Router().isEnabled(cmd::ExplorerOpen)); // needs a window

    ASSERT_TRUE(run(cmd::ExplorerOpenInNew));
    ASSERT_EQ(views().size(), 1u);
    CBrowserView* first = views()[0];
    EXPECT_EQ(navigations(first), QStringList({"Navigate2 https://site.example/"}));
    EXPECT_EQ(app->ActiveView(), first);

    ASSERT_TRUE(run(cmd::ExplorerOpenInBackground));
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(app->ActiveView(), first);
    EXPECT_EQ(navigations(views()[1]), QStringList({"Navigate2 https://site.example/"}));

    engineOf(first).clearCalls();
    ASSERT_TRUE(run(cmd::ExplorerOpen));
    EXPECT_EQ(navigations(first), QStringList({"Navigate2 https://site.example/"}));
    EXPECT_EQ(views().size(), 2u);
}

TEST_F(ExplorerBarTest, FavoritesPaneListsTheFolderAndFollowsTheFavoritesCommands) {
    QDir(favorites).mkpath("Links");
    QDir(favorites).mkpath("News");
    writeInternetShortcut(favorites + "/News/Daily.url", "https://daily.example/");
    writeInternetShortcut(favorites + "/alpha.url", "https://alpha.example/");
    startShown();
    run(cmd::ExplorerFavorites);
    auto* pane = qobject_cast<CFavoritesPane*>(bar()->Pane(2));
    ASSERT_NE(pane, nullptr);
    CExplorerTree* tree = pane->Tree();
    EXPECT_EQ(topTexts(tree), QStringList({"Links", "News", "alpha"}));
    click(tree, tree->topLevelItem(1));
    EXPECT_EQ(childTexts(tree->topLevelItem(1)), QStringList({"Daily"}));

    // No window: a link opens in a new active one.
    click(tree, tree->topLevelItem(2));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]), QStringList({"Navigate2 https://alpha.example/"}));

    // Refresh reads the folder anew.
    writeInternetShortcut(favorites + "/beta.url", "https://beta.example/");
    pane->Button(2)->click();
    EXPECT_EQ(topTexts(tree), QStringList({"Links", "News", "alpha", "beta"}));

    // Add and organise follow their commands: add opens the add-to-favorites
    // dialog for the active window.
    frame().Idle().schedule();
    QTRY_VERIFY(pane->Button(0)->isEnabled());
    EXPECT_EQ(pane->Button(1)->isEnabled(), app->Router().isEnabled(cmd::OrganizeFavorites));
    DialogRunner::instance().push(ScriptedAnswer::escape());
    const std::size_t before = DialogRunner::instance().history().size();
    pane->Button(0)->click();
    ASSERT_EQ(DialogRunner::instance().history().size(), before + 1);
    EXPECT_EQ(DialogRunner::instance().history().back().text, "CAddFavoriteDialog");
}

TEST_F(ExplorerBarTest, FoldersPaneFiltersTheHomeFolderAndOpensFiles) {
    const QDir home(QDir::homePath());
    const QString sub = "explorer-" + QString::number(QCoreApplication::applicationPid());
    ASSERT_TRUE(home.mkpath(sub + "/inner"));
    const QDir dir(home.filePath(sub));
    for (const char* name : {"page.html", "notes.txt", "picture.png"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    startShown();
    run(cmd::ExplorerFolders);
    auto* pane = qobject_cast<CFoldersPane*>(bar()->Pane(0));
    ASSERT_NE(pane, nullptr);
    CExplorerTree* tree = pane->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "/");
    QTreeWidgetItem* homeItem = tree->topLevelItem(0);
    EXPECT_TRUE(homeItem->isExpanded());
    QTreeWidgetItem* folder = childNamed(homeItem, sub);
    ASSERT_NE(folder, nullptr);
    click(tree, folder);
    EXPECT_EQ(childTexts(folder), QStringList({"inner", "notes.txt", "page.html"}));

    click(tree, childNamed(folder, "page.html"));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]),
              QStringList({"Navigate2 " +
                           QUrl::fromLocalFile(dir.filePath("page.html")).toString()}));

    pane->Filter()->setCurrentIndex(1);
    emit pane->Filter()->activated(1);
    homeItem = tree->topLevelItem(0);
    folder = childNamed(homeItem, sub);
    ASSERT_NE(folder, nullptr);
    click(tree, folder);
    EXPECT_EQ(childTexts(folder), QStringList({"inner", "notes.txt", "page.html", "picture.png"}));
}
