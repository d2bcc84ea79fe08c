#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/SearchHookState.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace platform;

namespace {

// The state needs the library beside the program, the class registered and
// the hook listed; each missing piece gives a lower state.
TEST(SearchHookState, NeedsTheLibraryTheClassAndTheListedHook) {
    testenv::useFreshRegistry();
    const QString folder = testenv::freshDir(QStringLiteral("program"));
    const QString clsid = QString::fromUtf16(kSearchHookClsid);
    const RegKey server = RegKey::create(
        RegRoot::ClassesRoot, QStringLiteral("CLSID\\") + clsid + QStringLiteral("\\InprocServer32"));
    server.setString(QString(), QDir(folder).filePath(QString::fromUtf8(kSearchHookLibraryName)));
    const RegKey hooks =
        RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kUrlSearchHooksKeyPath));
    hooks.setString(clsid, QString());
    EXPECT_EQ(SearchHookState(folder), -1); // registered, but the library is gone

    QFile library(QDir(folder).filePath(QString::fromUtf8(kSearchHookLibraryName)));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.close();
    EXPECT_EQ(SearchHookState(folder), 1);

    hooks.deleteValue(clsid);
    hooks.setString(clsid.toLower() + QLatin1Char('x'), QString());
    EXPECT_EQ(SearchHookState(folder), 0);
    hooks.setString(clsid, QString());
    server.deleteValue(QString());
    EXPECT_EQ(SearchHookState(folder), 0);

    // A folder of that name is no library.
    const QString other = testenv::freshDir(QStringLiteral("other"));
    ASSERT_TRUE(QDir(other).mkdir(QString::fromUtf8(kSearchHookLibraryName)));
    EXPECT_EQ(SearchHookState(other), -1);
}

} // namespace
