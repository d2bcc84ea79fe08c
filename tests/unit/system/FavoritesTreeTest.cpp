#include "system/FavoritesTree.h"
#include "support/TestEnv.h"
#include "system/InternetShortcut.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using Status = FavoritesTree::Status;

class FavoritesTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = testenv::freshDir("TreeFavorites");
        QDir(root).mkpath("Links");
    }
    QString at(const QString& relative) const { return root + '/' + relative; }

    QString root;
};

} // namespace

TEST(FavoritesTreeNames, CharactersAFileNameCannotHoldAreMappedNotLost) {
    EXPECT_EQ(FavoritesTree::FileNameFor("  News / Weather\r\nToday\t "),
              QString::fromUtf8("News ／ Weather  Today"));
    EXPECT_EQ(FavoritesTree::FileNameFor(".hidden"), QString::fromUtf8("．hidden"));
    EXPECT_EQ(FavoritesTree::FileNameFor(".."), QString::fromUtf8("．."));
    EXPECT_EQ(FavoritesTree::FileNameFor(" \n "), "");
    EXPECT_EQ(FavoritesTree::FileNameFor(QString::fromUtf8("中文 <名称> : *?")),
              QString::fromUtf8("中文 <名称> : *?"));
    // Cut on a character boundary: no half character, never past the bound.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString cut = FavoritesTree::FileNameFor(QString("a") + emoji.repeated(100));
    EXPECT_LE(cut.toUtf8().size(), FavoritesTree::kMaxNameBytes);
    EXPECT_EQ(cut, QString("a") + emoji.repeated(59));
    EXPECT_EQ(FavoritesTree::NameFromUrl("https://example.org/a/b/"),
              QString::fromUtf8("example.org／a／b"));
    EXPECT_EQ(FavoritesTree::NameFromUrl("mailto:x@y"), "x@y");
}

TEST_F(FavoritesTreeTest, AddLinkNeverReplacesUnlessAsked) {
    FavoritesTree tree(root);
    QString created;
    EXPECT_EQ(tree.AddLink(root, "Page / one", "http://a/", false, &created), Status::Ok);
    EXPECT_EQ(created, at(QString::fromUtf8("Page ／ one.url")));
    EXPECT_EQ(readInternetShortcut(created), "http://a/");
    EXPECT_EQ(tree.AddLink(root, "Page / one", "http://b/", false), Status::NameExists);
    EXPECT_EQ(readInternetShortcut(created), "http://a/");
    EXPECT_EQ(tree.AddLink(root, "Page / one", "http://b/", true), Status::Ok);
    EXPECT_EQ(readInternetShortcut(created), "http://b/");
    // A folder of that name is never replaced by a link.
    QDir(root).mkdir("Dir.url");
    EXPECT_EQ(tree.AddLink(root, "Dir", "http://c/", true), Status::NameExists);
    EXPECT_EQ(tree.AddLink(root, "x", "http://a/\nURL=http://evil/", false), Status::BadAddress);
    EXPECT_EQ(tree.AddLink(root, " ", "http://a/", false), Status::EmptyName);
    EXPECT_EQ(FavoritesTree::UniqueName(root, QString::fromUtf8("Page ／ one"), ".url"),
              QString::fromUtf8("Page ／ one (2)"));
}

TEST_F(FavoritesTreeTest, FoldersRenameMoveAndDelete) {
    FavoritesTree tree(root);
    QString news;
    ASSERT_EQ(tree.NewFolder(root, "News", &news), Status::Ok);
    EXPECT_EQ(tree.NewFolder(root, "News"), Status::NameExists);
    QString inner;
    ASSERT_EQ(tree.NewFolder(news, "Inner", &inner), Status::Ok);
    ASSERT_TRUE(writeInternetShortcut(at("a.url"), "http://a/"));
    ASSERT_TRUE(writeInternetShortcut(at("b.url"), "http://b/"));

    // Renaming keeps the link's extension; a taken name is refused.
    QString renamed;
    EXPECT_EQ(tree.Rename(at("a.url"), "Alpha", &renamed), Status::Ok);
    EXPECT_EQ(renamed, at("Alpha.url"));
    EXPECT_EQ(tree.Rename(at("b.url"), "Alpha"), Status::NameExists);
    EXPECT_EQ(tree.Rename(at("b.url"), "alpha"), Status::Ok); // a different name here
    EXPECT_EQ(tree.Rename(news, "Links"), Status::NameExists);

    // Moving: into a folder, never into itself or below itself, never over
    // an entry of the same name.
    QString moved;
    EXPECT_EQ(tree.Move(at("Alpha.url"), news, &moved), Status::Ok);
    EXPECT_EQ(moved, news + "/Alpha.url");
    EXPECT_EQ(tree.Move(news, inner), Status::IntoItself);
    EXPECT_EQ(tree.Move(news, news), Status::IntoItself);
    ASSERT_TRUE(writeInternetShortcut(at("Alpha.url"), "http://other/"));
    EXPECT_EQ(tree.Move(at("Alpha.url"), news), Status::NameExists);
    EXPECT_EQ(readInternetShortcut(news + "/Alpha.url"), "http://a/");
    EXPECT_EQ(tree.Move(inner, root, &moved), Status::Ok);
    EXPECT_EQ(moved, at("Inner"));

    // Nothing outside the Favorites folder, and not the folder itself.
    const QString outside = testenv::freshDir("Outside");
    ASSERT_TRUE(writeInternetShortcut(outside + "/x.url", "http://x/"));
    EXPECT_EQ(tree.Delete(outside + "/x.url"), Status::OutsideRoot);
    EXPECT_EQ(tree.Delete(root + "/../Outside/x.url"), Status::OutsideRoot);
    EXPECT_EQ(tree.Delete(root), Status::OutsideRoot);
    EXPECT_EQ(tree.Move(at("alpha.url"), outside), Status::OutsideRoot);
    EXPECT_EQ(tree.NewFolder(outside, "x"), Status::OutsideRoot);
    EXPECT_TRUE(QFileInfo::exists(outside + "/x.url"));

    // Deleting a folder takes what it holds; a link to a folder goes
    // itself, never what it points at.
    ASSERT_TRUE(QFile::link(outside, at("ToOutside")));
    EXPECT_EQ(tree.Delete(at("ToOutside")), Status::Ok);
    EXPECT_TRUE(QFileInfo::exists(outside + "/x.url"));
    EXPECT_EQ(tree.Delete(news), Status::Ok);
    EXPECT_FALSE(QFileInfo::exists(news));
    EXPECT_EQ(tree.Delete(news), Status::NotFound);
}
