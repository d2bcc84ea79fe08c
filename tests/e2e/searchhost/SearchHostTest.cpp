// Runs quorrelin-search as a desktop launcher would: registering the real
// hook library, translating quick commands through it and opening the
// result with the program found beside the library.
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

using platform::RegKey;
using platform::RegRoot;

namespace {

struct Result {
    int status = -1;
    QString out;
};

Result search(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(QUORRELIN_SEARCH_TOOL), args);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "quorrelin-search did not finish";
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    return result;
}

void addCommand(int index, const QString& command, std::uint32_t type, const QString& url) {
    const RegKey key = RegKey::create(
        RegRoot::CurrentUser,
        QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\QuickCommands\\QuickCommand%1")
            .arg(index));
    key.setString(QStringLiteral("Title"), command);
    key.setString(QStringLiteral("Command"), command);
    key.setDword(QStringLiteral("Type"), type);
    key.setString(QStringLiteral("URL"), url);
}

class SearchHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        addCommand(0, QStringLiteral("gs"), 1, QStringLiteral("http://s.example/?q=%s"));
    }
};

TEST_F(SearchHostTest, RegisterTranslateUnregister) {
    EXPECT_EQ(search({QStringLiteral("gs"), QStringLiteral("cats")}).status, 1); // no hook yet
    ASSERT_EQ(search({QStringLiteral("--register"), QStringLiteral(QUORRELIN_SEARCH_LIBRARY)}).status, 0);

    const Result words = search({QStringLiteral("gs"), QStringLiteral("two"), QStringLiteral("cats")});
    EXPECT_EQ(words.status, 0);
    EXPECT_EQ(words.out, QStringLiteral("http://s.example/?q=two cats\n"));
    const Result unknown = search({QStringLiteral("xx"), QStringLiteral("cats")});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, QString());

    // A registered hook whose library is gone is passed over.
    RegKey::create(RegRoot::CurrentUser,
                   QStringLiteral("Software\\Microsoft\\Internet Explorer\\URLSearchHooks"))
        .setString(QStringLiteral("{11111111-2222-3333-4444-555555555555}"), QString());
    RegKey::create(RegRoot::ClassesRoot,
                   QStringLiteral("CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32"))
        .setString(QString(), QStringLiteral("/nonexistent/hook.so"));
    EXPECT_EQ(search({QStringLiteral("gs x")}).out, QStringLiteral("http://s.example/?q=x\n"));

    EXPECT_EQ(search({QStringLiteral("--unregister"), QStringLiteral(QUORRELIN_SEARCH_LIBRARY)}).status, 0);
    EXPECT_EQ(search({QStringLiteral("gs"), QStringLiteral("cats")}).status, 1);
}

TEST_F(SearchHostTest, BadArgumentsAndLibraries) {
    EXPECT_EQ(search({}).status, 2);
    EXPECT_EQ(search({QStringLiteral("--register")}).status, 2);
    EXPECT_EQ(search({QStringLiteral("--register"), QStringLiteral("/nonexistent.so")}).status, 1);
}

TEST_F(SearchHostTest, OpenStartsTheProgramBesideTheLibrary) {
    // A program folder with the library and a stand-in program that records
    // the address it was started with.
    const QString folder = testenv::freshDir(QStringLiteral("program"));
    const QString library = folder + QStringLiteral("/QuorrelinSearch.so");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORRELIN_SEARCH_LIBRARY), library));
    const QString record = folder + QStringLiteral("/opened.txt");
    QFile program(folder + QStringLiteral("/quorrelin"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(record).toUtf8());
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(search({QStringLiteral("--register"), library}).status, 0);

    const Result opened = search({QStringLiteral("--open"), QStringLiteral("gs"), QStringLiteral("cats")});
    EXPECT_EQ(opened.status, 0);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(record);
    QThread::msleep(50);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), QStringLiteral("http://s.example/?q=cats"));
}

} // namespace
