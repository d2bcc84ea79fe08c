#include "system/ShellFolders.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

using namespace platform;

namespace {

class ShellFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        dataHome_ = testenv::freshDir("data");
        ::setenv("XDG_DATA_HOME", dataHome_.toLocal8Bit().constData(), 1);
        ::setenv("QRA_TEST_DIR", "/srv/q", 1);
        ::unsetenv("QRA_TEST_UNSET");
    }
    static RegKey shellFolders() {
        return RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kShellFoldersKeyPath));
    }
    QString dataHome_;
};

} // namespace

TEST_F(ShellFoldersTest, ExpandsKnownNamesAndKeepsTheRest) {
    EXPECT_EQ(expandEnvironmentStrings("%QRA_TEST_DIR%/Favorites"), "/srv/q/Favorites");
    EXPECT_EQ(expandEnvironmentStrings("%qra_test_dir%"), "%qra_test_dir%"); // names are exact
    EXPECT_EQ(expandEnvironmentStrings("%QRA_TEST_UNSET%/x"), "%QRA_TEST_UNSET%/x");
    EXPECT_EQ(expandEnvironmentStrings("100%"), "100%");
    EXPECT_EQ(expandEnvironmentStrings("%%"), "%%");
    EXPECT_EQ(expandEnvironmentStrings("a%QRA_TEST_UNSET%QRA_TEST_DIR%"),
              "a%QRA_TEST_UNSET%QRA_TEST_DIR%");
    EXPECT_EQ(expandEnvironmentStrings("%QRA_TEST_DIR%%QRA_TEST_DIR%"), "/srv/q/srv/q");
    EXPECT_EQ(expandEnvironmentStrings("$QRA_TEST_DIR"), "$QRA_TEST_DIR");
    EXPECT_EQ(expandEnvironmentStrings(""), "");
}

TEST_F(ShellFoldersTest, ExpansionIsBounded) {
    EXPECT_EQ(expandEnvironmentStrings(QString(4096, u'a')).size(), 4096);
    EXPECT_EQ(expandEnvironmentStrings(QString(4097, u'a')), QString());
    // A short text that grows past the bound through its variables.
    ::setenv("QRA_TEST_LONG", std::string(3000, 'x').c_str(), 1);
    EXPECT_EQ(expandEnvironmentStrings("%QRA_TEST_LONG%%QRA_TEST_LONG%"), QString());
    EXPECT_EQ(expandEnvironmentStrings("%QRA_TEST_LONG%", 3000).size(), 3000);
}

TEST_F(ShellFoldersTest, FolderPathIsExpandedAndEmptyWhenMissing) {
    EXPECT_EQ(shellFolderPath("Favorites"), QString());
    shellFolders().setExpandString("Favorites", "%QRA_TEST_DIR%/Favorites");
    EXPECT_EQ(shellFolderPath("favorites"), "/srv/q/Favorites");
    shellFolders().setDword("Favorites", 1);
    EXPECT_EQ(shellFolderPath("Favorites"), QString());
}

TEST_F(ShellFoldersTest, FirstRunSeedsFavoritesWithAnEmptyLinksFolder) {
    ASSERT_TRUE(seedShellFolders());
    const QString expected = dataHome_ + "/quorrelin/Favorites";
    EXPECT_EQ(shellFolderPath("Favorites"), expected);
    EXPECT_TRUE(QFileInfo(expected + "/Links").isDir());
    EXPECT_TRUE(QDir(expected + "/Links").isEmpty());
}

TEST_F(ShellFoldersTest, StoredFavoritesAreLeftAlone) {
    shellFolders().setString("Favorites", "/elsewhere/Favs");
    ASSERT_TRUE(seedShellFolders());
    EXPECT_EQ(shellFolderPath("Favorites"), "/elsewhere/Favs");
    EXPECT_FALSE(QFileInfo::exists(dataHome_ + "/quorrelin"));

    // An empty value is as good as none.
    shellFolders().setString("Favorites", "");
    ASSERT_TRUE(seedShellFolders());
    EXPECT_EQ(shellFolderPath("Favorites"), dataHome_ + "/quorrelin/Favorites");
}

TEST_F(ShellFoldersTest, SeedingFailsCleanlyWhenTheFolderCannotBeMade) {
    // The data folder is a file: nothing can be created below it.
    const QString blocked = dataHome_ + "/blocked";
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ::setenv("XDG_DATA_HOME", blocked.toLocal8Bit().constData(), 1);
    EXPECT_FALSE(seedShellFolders());
    EXPECT_EQ(shellFolderPath("Favorites"), QString());
}
