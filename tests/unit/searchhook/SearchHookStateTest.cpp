// The program's side of the search hook: whether it applies and is
// registered, and registering a library after the options are confirmed.
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/ComLibrary.h"
#include "system/SearchHookState.h"

#include <QFile>

#include <gtest/gtest.h>

using platform::RegKey;
using platform::RegRoot;

namespace {

const QString kClsidText = QStringLiteral("{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}");

class SearchHookStateTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    // A program folder holding a copy of the real library.
    static QString folderWithLibrary() {
        const QString folder = testenv::freshDir(QStringLiteral("program"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUORRELIN_SEARCH_LIBRARY),
                                SearchHookLibraryPath(folder)));
        return folder;
    }
};

TEST_F(SearchHookStateTest, StateFollowsLibraryAndRegistration) {
    const QString empty = testenv::freshDir(QStringLiteral("empty"));
    EXPECT_EQ(SearchHookState(empty), -1);
    EXPECT_TRUE(ApplySearchHookState(-1, empty)); // nothing to do

    const QString folder = folderWithLibrary();
    EXPECT_EQ(SearchHookState(folder), 0);
    ASSERT_TRUE(ApplySearchHookState(1, folder));
    EXPECT_EQ(SearchHookState(folder), 1);
    // The registered path is the copy in the program's folder.
    EXPECT_EQ(RegKey::open(RegRoot::ClassesRoot,
                           QStringLiteral("CLSID\\") + kClsidText +
                               QStringLiteral("\\InprocServer32"))
                  .readString(QString()),
              SearchHookLibraryPath(folder));

    // Either half missing reads as not registered.
    RegKey::open(RegRoot::CurrentUser,
                 QStringLiteral("Software\\Microsoft\\Internet Explorer\\URLSearchHooks"))
        .deleteValue(kClsidText);
    EXPECT_EQ(SearchHookState(folder), 0);
    ASSERT_TRUE(ApplySearchHookState(1, folder));
    ASSERT_TRUE(ApplySearchHookState(0, folder));
    EXPECT_EQ(SearchHookState(folder), 0);
}

TEST_F(SearchHookStateTest, RegisteringFailsForMissingOrForeignFiles) {
    const QString folder = testenv::freshDir(QStringLiteral("foreign"));
    EXPECT_FALSE(RegisterComLibrary(folder + QStringLiteral("/missing.so"), true));
    QFile text(folder + QStringLiteral("/text.so"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library");
    text.close();
    EXPECT_FALSE(RegisterComLibrary(text.fileName(), true));
    // A library without the export.
    EXPECT_FALSE(RegisterComLibrary(QStringLiteral("libm.so.6"), true));
    // The second name is tried when the first does not load.
    EXPECT_FALSE(RegisterComLibraryFrom(folder, QStringLiteral("missing.so"),
                                        QStringLiteral("text.so")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORRELIN_SEARCH_LIBRARY),
                            folder + QStringLiteral("/second.so")));
    EXPECT_TRUE(RegisterComLibraryFrom(folder, QStringLiteral("missing.so"),
                                       QStringLiteral("second.so")));
}

} // namespace
