// Whole program processes and a loopback web server made by the test: the
// windows of a run that was killed come back after the question, a normal
// end with start mode 6 reopens its windows, and running instances keep
// their records while another starts.
#include "ProgramProcess.h"
#include "SessionSite.h"
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using namespace sessionsite;

namespace {

class SessionProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
        prepareSettings();
        ASSERT_TRUE(site.start());
        for (int i = 1; i <= 5; ++i)
            site.addPage(QStringLiteral("/p%1").arg(i), pageHtml(QStringLiteral("Page %1").arg(i)));
        site.addPage("/home", pageHtml("Home"));
        settings().setDword("StartMode", 3);
        settings().setString("CustomHomepage", site.url("/home"));
    }
    void TearDown() override { qunsetenv("QUORRELIN_DIALOG_ANSWERS"); }

    QStringList pages(int count) const {
        QStringList urls;
        for (int i = 1; i <= count; ++i)
            urls << site.url(QStringLiteral("/p%1").arg(i));
        return urls;
    }
    // Starts the program, opens count pages in windows of their own and
    // waits until the record lists them all.
    void runWithPages(ProgramProcess& program, int count) {
        ASSERT_TRUE(program.waitListening());
        for (const QString& url : pages(count))
            ASSERT_TRUE(openInNewWindow(url)) << url.toStdString();
        const QStringList wanted = pages(count);
        const bool recorded = spinUntil(
            [&] {
                const QStringList urls = recordedAddresses(program.pid());
                return std::all_of(wanted.begin(), wanted.end(),
                                   [&](const QString& url) { return urls.contains(url); });
            },
            30000);
        ASSERT_TRUE(recorded) << recordedAddresses(program.pid()).join(' ').toStdString();
    }
    // A run with five pages open, killed with SIGKILL; its process id.
    qint64 killedRunWithFivePages() {
        ProgramProcess first;
        runWithPages(first, 5);
        const qint64 pid = first.pid();
        first.killHard();
        return pid;
    }
    // Whether every path was requested after the first `from` requests.
    bool requestedSince(qsizetype from, const QStringList& paths) const {
        const QStringList since = site.requests().mid(from);
        return std::all_of(paths.begin(), paths.end(),
                           [&](const QString& path) { return since.contains(path); });
    }

    TestHttpServer site;
};

const QStringList kFivePaths{"/p1", "/p2", "/p3", "/p4", "/p5"};

} // namespace

TEST_F(SessionProcessTest, AfterAKillYesReopensTheWindowsBesideTheStartWindows) {
    const qint64 killed = killedRunWithFivePages();
    ASSERT_TRUE(sessionKeyExists(killed));
    const qsizetype mark = site.requests().size();
    qputenv("QUORRELIN_DIALOG_ANSWERS", "6");
    ProgramProcess second;
    ASSERT_TRUE(second.waitListening());
    EXPECT_TRUE(spinUntil([&] { return requestedSince(mark, kFivePaths + QStringList{"/home"}); },
                          30000))
        << site.requests().mid(mark).join(' ').toStdString();
    EXPECT_TRUE(spinUntil([&] { return !sessionKeyExists(killed); }, 10000));
    EXPECT_TRUE(second.running());
}

TEST_F(SessionProcessTest, AfterAKillNoOpensOnlyTheStartWindows) {
    const qint64 killed = killedRunWithFivePages();
    const qsizetype mark = site.requests().size();
    qputenv("QUORRELIN_DIALOG_ANSWERS", "7");
    ProgramProcess second;
    ASSERT_TRUE(second.waitListening());
    ASSERT_TRUE(spinUntil([&] { return requestedSince(mark, {"/home"}); }, 30000));
    EXPECT_TRUE(spinUntil([&] { return !sessionKeyExists(killed); }, 10000));
    spinUntil([] { return false; }, 1500); // time for anything else to arrive
    for (const QString& path : kFivePaths)
        EXPECT_FALSE(site.requests().mid(mark).contains(path)) << path.toStdString();
    EXPECT_TRUE(second.running());
}

TEST_F(SessionProcessTest, ANormalExitWithStartModeSixReopensTheOpenWindows) {
    settings().setDword("StartMode", 6);
    qint64 ended = 0;
    {
        ProgramProcess first;
        runWithPages(first, 3);
        ended = first.pid();
        first.terminate(); // closes like the user's exit
        ASSERT_TRUE(first.waitFinished(15000));
    }
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, sessionKeyPath(ended)).readDword("NormalExit"),
              1u);
    const qsizetype mark = site.requests().size();
    ProgramProcess second;
    ASSERT_TRUE(second.waitListening());
    EXPECT_TRUE(spinUntil([&] { return requestedSince(mark, {"/p1", "/p2", "/p3"}); }, 30000));
    EXPECT_TRUE(spinUntil([&] { return !sessionKeyExists(ended); }, 10000));
    EXPECT_TRUE(second.running()); // no question stopped it
}

TEST_F(SessionProcessTest, AThirdInstanceLeavesTheRecordsOfTheRunningOnesAlone) {
    settings().setDword("MultipleInstance", 1);
    settings().setDword("StartMode", 4);
    ProgramProcess first;
    ProgramProcess second;
    ASSERT_TRUE(first.waitListening());
    ASSERT_TRUE(second.waitListening());
    // Each marks its record once its start-up is through.
    ASSERT_TRUE(spinUntil(
        [&] { return sessionKeyExists(first.pid()) && sessionKeyExists(second.pid()); }, 20000));
    ProgramProcess third;
    ASSERT_TRUE(third.waitListening());
    ASSERT_TRUE(spinUntil([&] { return sessionKeyExists(third.pid()); }, 20000));
    EXPECT_TRUE(sessionKeyExists(first.pid()));
    EXPECT_TRUE(sessionKeyExists(second.pid()));
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, sessionKeyPath(first.pid())).readDword("NormalExit"),
              0u);
}
