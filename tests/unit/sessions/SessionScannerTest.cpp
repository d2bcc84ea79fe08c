// The scan of session keys at start-up, against a registry prepared by the
// test and a stand-in running instance served on the test's main thread.
#include "SessionTestSupport.h"

#include "InstanceTestSupport.h"
#include "app/SessionScanner.h"
#include "app/SettingsPaths.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceFolder.h"
#include "platform/instance/InstanceServer.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;
using namespace sessiontest;

namespace {

// Ids above the largest process id Linux hands out: never a live process.
constexpr std::int32_t kOwn = 4000001;
constexpr std::int32_t kRunning = 5000001;
constexpr std::int32_t kSilent = 5000020;

LinkGroup linksOf(const QString& tag, int count) {
    LinkGroup group;
    group.Name = "Session";
    for (int i = 0; i < count; ++i)
        group.Links.append(LinkGroupLink{tag + QString::number(i), "http://" + tag + "/" + QString::number(i)});
    return group;
}

QString sessionPath(const QString& name) {
    return QString::fromUtf16(kSessionsKeyPath) + "\\" + name;
}

class SessionScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        folder = testenv::freshDir("instances") + "/run";
        ASSERT_TRUE(InstanceFolder::ensure(folder));
    }

    SessionScanner scanner(bool ownKeyWritten) const {
        return SessionScanner(kOwn, ownKeyWritten, [this](std::int32_t id) {
            EXPECT_NE(id, kOwn) << "this process was asked whether it runs";
            return InstanceClient(folder).isRunningInstance(static_cast<InstanceId>(id));
        });
    }

    QString folder;
};

} // namespace

TEST(SessionKeyNameTest, LeadingDigitsNameTheWindow) {
    EXPECT_EQ(SessionScanner::IdFromKeyName("1234"), 1234);
    EXPECT_EQ(SessionScanner::IdFromKeyName("0042"), 42);
    EXPECT_EQ(SessionScanner::IdFromKeyName("77abc"), 77);
    EXPECT_EQ(SessionScanner::IdFromKeyName("abc"), 0);
    EXPECT_EQ(SessionScanner::IdFromKeyName("-5"), 0);
    EXPECT_EQ(SessionScanner::IdFromKeyName(""), 0);
    EXPECT_EQ(SessionScanner::IdFromKeyName("2147483647"), 2147483647);
    EXPECT_EQ(SessionScanner::IdFromKeyName("2147483648"), 0);
    EXPECT_EQ(SessionScanner::IdFromKeyName("99999999999999999999"), 0);
}

TEST_F(SessionScannerTest, OnlyStaleKeysGoAndOnlyCrashedOnesAreRead) {
    InstanceServer running(static_cast<InstanceId>(kRunning));
    ASSERT_TRUE(running.listen(folder));
    // An instance that takes the connection but never answers counts as gone.
    const int silent = instancetest::makeSilentListener(
        InstanceFolder::socketPath(folder, static_cast<InstanceId>(kSilent)));
    ASSERT_GE(silent, 0);

    writeSessionKey(QString::number(kOwn), linksOf("own", 1), -1);
    writeSessionKey(QString::number(kRunning), linksOf("running", 1), 0);
    writeSessionKey("5000010", linksOf("zero", 2), 0);
    writeSessionKey("5000011", linksOf("ended", 1), 1);
    writeSessionKey("5000012", linksOf("absent", 1), -1);
    writeSessionKey(QString::number(kSilent), linksOf("silent", 1), 0);
    writeSessionKey("NotANumber", linksOf("name", 1), 0);
    writeSessionKey("0", linksOf("nought", 1), 0);

    LinkGroup crashed = linksOf("before", 1); // the scan appends
    const SessionScanner scan = scanner(true);
    const SessionScanner::Result result =
        instancetest::whileServing([&] { return scan.Scan(&crashed); });
    ::close(silent);

    EXPECT_TRUE(result.crashFound);
    // Walked from the last key to the first: the crashed links come in
    // descending key order.
    EXPECT_EQ(crashed.Links, (linksOf("before", 1).Links + linksOf("silent", 1).Links +
                              linksOf("absent", 1).Links + linksOf("zero", 2).Links));
    EXPECT_EQ(result.crashedKeys,
              QStringList({sessionPath("5000020"), sessionPath("5000012"), sessionPath("5000010")}));
    // The crashed keys stay until the question has been answered.
    EXPECT_EQ(sessionKeyNames(),
              QStringList({"4000001", "5000001", "5000010", "5000012", "5000020"}));

    ASSERT_EQ(SessionScanner::ForgetCrashed(result.crashedKeys), ERROR_SUCCESS);
    EXPECT_EQ(sessionKeyNames(), QStringList({"4000001", "5000001"}));
}

TEST_F(SessionScannerTest, NormalEndsAreRemovedWithoutACrash) {
    writeSessionKey("5000011", linksOf("ended", 3), 1);
    writeSessionKey("5000013", linksOf("ended", 1), 1);
    LinkGroup crashed;
    const SessionScanner::Result result = scanner(true).Scan(&crashed);
    EXPECT_FALSE(result.crashFound);
    EXPECT_TRUE(crashed.Links.isEmpty());
    EXPECT_TRUE(sessionKeyNames().isEmpty());
    // Nothing at all to scan is no crash either.
    EXPECT_FALSE(scanner(true).Scan(&crashed).crashFound);
}

TEST_F(SessionScannerTest, AKeyOfThisIdLeftByAnEarlierProcessIsStale) {
    // Process ids come round again: before this process has written its own
    // record, a key of its id is an earlier run's.
    writeSessionKey(QString::number(kOwn), linksOf("earlier", 2), 0);
    LinkGroup crashed;
    const SessionScanner::Result result = scanner(false).Scan(&crashed);
    EXPECT_TRUE(result.crashFound);
    EXPECT_EQ(crashed.Links, linksOf("earlier", 2).Links);
    EXPECT_EQ(result.crashedKeys, QStringList({sessionPath("4000001")}));
}
