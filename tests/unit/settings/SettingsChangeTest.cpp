// Save writes what changed since the registry was read, all in one
// transaction; a start that changes nothing writes nothing.
#include "SettingsTestSupport.h"

#include "app/CAppSettings.h"
#include "app/IErrorReporter.h"
#include "support/TestFiles.h"
#include "platform/registry/RegTransaction.h"
#include "quickcommands/QuickCommandStore.h"
#include "platform/registry/Registry.h"

#include <QFile>

#include <random>

using platform::RegKey;
using platform::Registry;

namespace {

struct RecordingReporter : IErrorReporter {
    QList<long> codes;
    void ShowSystemError(long code) override { codes.append(code); }
};

class SettingsChangeTest : public FreshRegistryTest {
protected:
    void SetUp() override {
        FreshRegistryTest::SetUp();
        CAppSettings first;
        first.SetTabWidth(77);
        for (int i = 1; i <= 10000; ++i)
            first.AutoClose.append(QString("*popup%1.example*").arg(i));
        ASSERT_TRUE(first.Save());
        Registry::instance().setBusyTimeout(100);
    }

    // Another connection holding the write lock: any write of the record
    // under test fails at once.
    struct Writer {
        Registry other{Registry::instance().path()};
        Writer() {
            other.beginTransaction();
            RegKey::create(platform::RegRoot::CurrentUser, "Elsewhere", nullptr, &other)
                .setDword("x", 1);
        }
        ~Writer() { other.rollbackTransaction(); }
    };

    static std::int64_t autoCloseKeyId() {
        return RegKey::open(platform::RegRoot::CurrentUser, QString::fromUtf16(kAutoCloseKeyPath))
            .id();
    }
};

} // namespace

TEST_F(SettingsChangeTest, AStartThatChangesNothingWritesNothing) {
    const std::int64_t listKey = autoCloseKeyId();
    CAppSettings s;
    ASSERT_TRUE(s.Load());
    {
        Writer busy;
        EXPECT_TRUE(s.Save()) << "nothing to write, so the lock does not matter";
    }
    EXPECT_EQ(autoCloseKeyId(), listKey) << "the list was not rewritten";
}

TEST_F(SettingsChangeTest, ChangesGoInOneTransactionAndAFailedSaveIsRetried) {
    RecordingReporter reporter;
    CAppSettings s;
    s.SetErrorReporter(&reporter);
    ASSERT_TRUE(s.Load());
    const std::int64_t listKey = autoCloseKeyId();
    s.SetTabWidth(120);
    s.QuickCommands = {{QuickCommand::Open, "News", "news", "http://news/"}};
    s.AutoClose.removeFirst();
    {
        Writer busy;
        EXPECT_FALSE(s.Save());
    }
    EXPECT_EQ(reporter.codes, QList<long>({platform::ERROR_BUSY})) << "told once";
    // Nothing of it reached the registry.
    EXPECT_EQ(settingsKey().readDword("TabWidth"), 77u);
    EXPECT_EQ(autoCloseKeyId(), listKey);
    EXPECT_FALSE(RegKey::open(platform::RegRoot::CurrentUser,
                              QString::fromUtf16(kQuickCommandsKeyPath)));

    EXPECT_TRUE(s.Save());
    CAppSettings loaded;
    loaded.Load();
    EXPECT_EQ(loaded.TabWidth(), 120);
    EXPECT_EQ(loaded.AutoClose.size(), 9999);
    EXPECT_EQ(loaded.QuickCommands, s.QuickCommands);
}

TEST_F(SettingsChangeTest, AnotherInstancesChangeIsNotOverwrittenByAnUnchangedValue) {
    CAppSettings mine;
    ASSERT_TRUE(mine.Load());
    CAppSettings other;
    ASSERT_TRUE(other.Load());
    other.SetTabWidth(50);
    ASSERT_TRUE(other.Save());
    mine.AutoClose = {"*mine*"};
    ASSERT_TRUE(mine.Save());
    CAppSettings loaded;
    loaded.Load();
    EXPECT_EQ(loaded.TabWidth(), 50);
    EXPECT_EQ(loaded.AutoClose, QStringList({"*mine*"}));
}

TEST_F(SettingsChangeTest, AReadErrorInTheMiddleOfAListFailsTheLoad) {
    const QString path = testenv::closeDefaultRegistry();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        std::mt19937 random(5);
        // Pages inside the list (it fills well over a hundred pages).
        for (qint64 page = 60; page < 90; ++page) {
            QByteArray junk(4096, '\0');
            for (char& c : junk)
                c = static_cast<char>(random());
            f.seek(page * 4096);
            f.write(junk);
        }
    }
    Registry damaged(path, Registry::Access::ReadOnly);
    CAppSettings s(&damaged);
    EXPECT_FALSE(s.Load());
    EXPECT_LT(s.AutoClose.size(), 10000);
}
