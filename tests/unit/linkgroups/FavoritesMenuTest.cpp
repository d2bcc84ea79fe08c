#include "frame/FavoritesMenuModel.h"
#include "framework/CommandIds.h"
#include "support/TestEnv.h"
#include "system/FavoritesFolder.h"
#include "system/InternetShortcut.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

void writeShortcut(const QString& path, const QString& url) {
    ASSERT_TRUE(writeInternetShortcut(path, url));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList names(const QList<FavoritesFolderEntry>& entries) {
    QStringList list;
    for (const FavoritesFolderEntry& entry : entries)
        list << entry.name;
    return list;
}

} // namespace

TEST(FavoritesFolderTest, FoldersAndLinksAreSortedByNameOrKeepTheFolderOrder) {
    const QDir dir(testenv::freshDir("Favorites"));
    ASSERT_TRUE(dir.mkdir("b"));
    writeShortcut(dir.filePath("c.url"), "http://c/");
    writeShortcut(dir.filePath("a.URL"), "http://a/");
    writeShortcut(dir.filePath("B2.url"), "http://b2/");

    const FavoritesFolderListing sorted = ReadFavoritesFolder(dir.path(), true);
    EXPECT_EQ(names(sorted.folders), QStringList({"b"}));
    EXPECT_EQ(names(sorted.links), QStringList({"a", "B2", "c"}));
    EXPECT_EQ(sorted.links[0].target, "http://a/");
    EXPECT_EQ(sorted.folders[0].path, dir.filePath("b"));

    // Unsorted: the order in which the file system lists the entries.
    QStringList listed;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Unsorted))
        listed << name.chopped(4);
    EXPECT_EQ(names(ReadFavoritesFolder(dir.path(), false).links), listed);
}

TEST(FavoritesFolderTest, UnreadableAndForeignEntriesAreSkippedAndShortcutsKeepTheirPath) {
    const QDir dir(testenv::freshDir("Favorites"));
    writeFile(dir.filePath("empty.url"), "[InternetShortcut]\r\nURL=\r\n");
    writeFile(dir.filePath("binary.url"), QByteArray(100, '\0'));
    writeFile(dir.filePath("notes.txt"), "text");
    writeFile(dir.filePath(".hidden.url"), "[InternetShortcut]\r\nURL=http://h/\r\n");
    writeFile(dir.filePath(".url"), "[InternetShortcut]\r\nURL=http://noname/\r\n");
    writeShortcut(dir.filePath("target.url"), "http://target/");
    ASSERT_TRUE(QFile::link(dir.filePath("target.url"), dir.filePath("sym.lnk")));
    ASSERT_TRUE(QFile::link(dir.filePath("missing"), dir.filePath("broken.lnk")));
    writeFile(dir.filePath("site.desktop"),
              "[Desktop Entry]\nType=Link\nName=Site\nURL=http://desktop/\n");
    writeFile(dir.filePath("app.desktop"), "[Desktop Entry]\nType=Application\nExec=rm\n");

    const FavoritesFolderListing listing = ReadFavoritesFolder(dir.path(), true);
    EXPECT_EQ(names(listing.links), QStringList({"app", "broken", "site", "sym", "target"}));
    const QString sym = listing.links[3].target;
    EXPECT_EQ(sym, dir.filePath("sym.lnk"));
    EXPECT_TRUE(IsFavoriteShortcutTarget(sym));
    EXPECT_FALSE(IsFavoriteShortcutTarget("http://x/a.url"));
    EXPECT_FALSE(IsFavoriteShortcutTarget(".lnk"));
    EXPECT_EQ(ResolveFavoriteShortcut(sym), "http://target/");
    EXPECT_EQ(ResolveFavoriteShortcut(dir.filePath("site.desktop")), "http://desktop/");
    // Only link entries resolve; a dangling link resolves to nothing.
    EXPECT_EQ(ResolveFavoriteShortcut(dir.filePath("app.desktop")), "");
    EXPECT_EQ(ResolveFavoriteShortcut(dir.filePath("broken.lnk")), "");
    EXPECT_TRUE(ReadFavoritesFolder(dir.filePath("missing"), true).links.isEmpty());
}

TEST(FavoritesMenuModelTest, TheSameAddressKeepsOneIndexAndOpenAllListsKeepTheirLinks) {
    FavoritesMenuModel model;
    EXPECT_EQ(model.addLink("x", "http://X/"), 0);
    EXPECT_EQ(model.addLink("y", "http://y/"), 1);
    // In another folder, in another case: the same index.
    EXPECT_EQ(model.addLink("x again", "http://x/"), 0);
    EXPECT_EQ(model.name(0), "x");
    EXPECT_EQ(model.addOpenAll({1, 0}), 0);
    EXPECT_EQ(model.openAll(0), QList<int>({1, 0}));
    EXPECT_TRUE(model.openAll(1).isEmpty());
    EXPECT_EQ(model.target(5), "");
    EXPECT_EQ(model.target(-1), "");
    model.reset();
    EXPECT_EQ(model.linkCount(), 0);
    EXPECT_EQ(model.openAllCount(), 0);
}

TEST(FavoritesMenuModelTest, TheCommandRangesBoundTheLists) {
    FavoritesMenuModel model;
    for (unsigned i = 0; i < cmd::Favorites.size(); ++i)
        ASSERT_TRUE(model.addLink("n", QString::number(i)));
    EXPECT_FALSE(model.addLink("n", "one more"));
    EXPECT_EQ(model.addLink("n", "0"), 0); // shown ones still resolve
    for (unsigned i = 0; i < cmd::FavoritesOpenAll.size(); ++i)
        ASSERT_TRUE(model.addOpenAll({0}));
    EXPECT_FALSE(model.addOpenAll({0}));
    EXPECT_EQ(cmd::FavoritesOpenAll.at(unsigned(model.openAllCount() - 1)), 3199u);
}
