#include "LinkGroupFixture.h"

#include "frame/CFavoritesMenu.h"
#include "system/InternetShortcut.h"
#include "system/ShellFolders.h"

#include <QDir>
#include <QFile>

namespace {

class FavoritesMenuWidgetTest : public LinkGroupFixture {
protected:
    void SetUp() override {
        LinkGroupFixture::SetUp();
        start();
        favorites = QDir(shellFolderPath("Favorites"));
        QDir(favorites.filePath("Links")).removeRecursively();
    }
    void shortcut(const QString& relative, const QString& url) {
        const QString path = favorites.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(writeInternetShortcut(path, url));
    }
    QMenu* root() {
        QMenu* menu = frame().FavoritesMenu();
        emit menu->aboutToShow();
        return menu;
    }
    // Opens the submenu named name of menu and returns it.
    static QMenu* openFolder(QMenu* menu, const QString& name) {
        for (QAction* action : menu->actions())
            if (action->menu() && action->text() == name) {
                emit action->menu()->aboutToShow();
                return action->menu();
            }
        return nullptr;
    }

    QDir favorites;
};

const QString kOpenAll = QStringLiteral("打开所有(&O)");

} // namespace

TEST_F(FavoritesMenuWidgetTest, FoldersComeFirstThenLinksThenOpenAll) {
    favorites.mkpath("b");
    shortcut("c.url", "http://c/");
    shortcut("a.url", "http://a/");
    settings().SortFavorites = 1;
    QMenu* menu = root();
    EXPECT_EQ(items(menu, res::FavoritesFixedItems),
              QStringList({"-", "33305:b>", "4000:a", "4001:c", "-", "2001:" + kOpenAll}));
    EXPECT_EQ(CommandBinder::commandId(menu->actions()[3]), cmd::FavoritesFolder);
    // The folder is built when it opens: empty, so no open-all there.
    QMenu* b = openFolder(menu, "b");
    ASSERT_TRUE(b);
    EXPECT_EQ(items(b), QStringList({QStringLiteral("~（空）")}));
    EXPECT_EQ(frame().Binder().promptFor(4001),
              res::formatString(sid::OpenUrlPrompt, {{"%url%", "http://c/"}}));
    EXPECT_EQ(frame().Binder().promptFor(2001), res::loadString(sid::OpenAllInFolder));

    // Without the open-all option and the sorting: enumeration order.
    settings().SortFavorites = 0;
    settings().DisplayOpenAll = 0;
    QStringList listed;
    for (const QString& name : favorites.entryList(QDir::Files, QDir::Unsorted))
        listed << name.chopped(4);
    const QStringList shown = items(root(), res::FavoritesFixedItems);
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(QStringList({shown[2].mid(5), shown[3].mid(5)}), listed);
}

TEST_F(FavoritesMenuWidgetTest, OneAddressInTwoFoldersHasOneCommandAndOpenAllOpensTheFolder) {
    settings().SortFavorites = 1;
    shortcut("News/one.url", "http://one/");
    shortcut("News/shared.url", "http://shared/");
    shortcut("shared.url", "http://SHARED/");
    QMenu* menu = root();
    EXPECT_EQ(items(menu, res::FavoritesFixedItems),
              QStringList({"-", "33305:News>", "4000:shared", "-", "2001:" + kOpenAll}));
    QMenu* news = openFolder(menu, "News");
    EXPECT_EQ(items(news), QStringList({"4001:one", "4000:shared", "-", "2002:" + kOpenAll}));

    // Open-all: each link of that folder in a new window, even with a
    // window active.
    open();
    EXPECT_TRUE(run(2002));
    ASSERT_EQ(views().size(), 3u);
    EXPECT_EQ(navigations(views()[1]), QStringList({"Navigate2 http://one/"}));
    // The address first shown under that command.
    EXPECT_EQ(navigations(views()[2]), QStringList({"Navigate2 http://SHARED/"}));
    run(2003); // no such folder menu: nothing
    EXPECT_EQ(views().size(), 3u);
}

TEST_F(FavoritesMenuWidgetTest, ALinkOpensInTheActiveWindowOrANewOneByShiftAndTheOption) {
    shortcut("a.url", "http://a/");
    root();
    EXPECT_TRUE(run(4000));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_TRUE(run(4000));
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]).size(), 2);
    modifiers = Qt::ShiftModifier;
    EXPECT_TRUE(run(4000));
    EXPECT_EQ(views().size(), 2u);
    modifiers = Qt::NoModifier;
    settings().AlwaysOpenFavoritesInNew = 1;
    EXPECT_TRUE(run(4000));
    EXPECT_EQ(views().size(), 3u);
    run(4001); // not shown: nothing
    EXPECT_EQ(views().size(), 3u);
}

TEST_F(FavoritesMenuWidgetTest, AShortcutThatCannotBeResolvedShows51483AndOpensNothing) {
    ASSERT_TRUE(QFile::link(favorites.filePath("gone"), favorites.filePath("broken.lnk")));
    shortcut("real.url", "http://real/");
    ASSERT_TRUE(QFile::link(favorites.filePath("real.url"), favorites.filePath("good.lnk")));
    settings().SortFavorites = 1;
    EXPECT_EQ(items(root(), res::FavoritesFixedItems).mid(1, 3),
              QStringList({"4000:broken", "4001:good", "4002:real"}));
    answerButton(IDOK);
    EXPECT_TRUE(run(4000));
    EXPECT_EQ(dialogs().back().text,
              res::formatString(sid::CannotResolveLink, {{"%link%", favorites.filePath("broken.lnk")}}));
    EXPECT_TRUE(views().empty());
    EXPECT_TRUE(run(4001));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]), QStringList({"Navigate2 http://real/"}));
}

TEST_F(FavoritesMenuWidgetTest, AnEmptyFavoritesFolderShowsOnlyTheEmptyItem) {
    EXPECT_EQ(items(root(), res::FavoritesFixedItems), QStringList({QStringLiteral("~（空）")}));
    // Opening again rebuilds instead of adding.
    EXPECT_EQ(items(root(), res::FavoritesFixedItems).size(), 1);
}
