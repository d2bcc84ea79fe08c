#include "SessionTestSupport.h"

#include "app/CAppSettings.h"
#include "app/SessionKeeper.h"
#include "app/SessionKeyPath.h"
#include "app/SettingsPaths.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace platform;
using namespace sessiontest;

namespace {

constexpr std::int32_t kId = 4000002;

class SessionKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        keeper.SetWindowSource([this] { return windows; }, &current);
    }

    LinkGroup stored() const {
        LinkGroup group;
        ReadLinkGroup(RegKey::open(RegRoot::CurrentUser, SessionKeyPath(kId)), &group);
        return group;
    }
    std::optional<std::uint32_t> normalExit() const {
        return RegKey::open(RegRoot::CurrentUser, SessionKeyPath(kId)).readDword("NormalExit");
    }

    std::vector<SessionWindow> windows;
    LinkGroup current;
    SessionKeeper keeper{kId};
};

} // namespace

TEST_F(SessionKeeperTest, ABurstOfChangesInOneTurnIsWrittenOnce) {
    windows = {{"first", "http://a/"}, {"second", "http://b/"}};
    for (int i = 0; i < 100; ++i) {
        windows[1].title = QStringLiteral("title %1").arg(i);
        keeper.SaveSoon();
    }
    EXPECT_EQ(keeper.Record().writeCount(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(keeper.Record().writeCount(), 1);
    EXPECT_EQ(stored().Links[1].Name, "title 99");
    EXPECT_EQ(current, stored());

    // A navigation that completes is on disk before the call returns, and
    // takes the pending title along.
    windows[0].title = "pending";
    keeper.SaveSoon();
    windows[0].address = "http://a/next";
    keeper.Save();
    EXPECT_EQ(stored().Links[0], (LinkGroupLink{"pending", "http://a/next"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(keeper.Record().writeCount(), 2);
}

TEST_F(SessionKeeperTest, NothingIsRecordedWhileClosingAndHeldSavesComeOnce) {
    windows = {{"kept", "http://kept/"}};
    keeper.Save();
    bool closing = true;
    keeper.SetClosingCheck([&] { return closing; });
    windows.clear(); // the windows close one by one at exit
    keeper.Save();
    EXPECT_EQ(stored().Links.size(), 1);
    closing = false;

    keeper.Hold();
    windows = {{"a", "http://a/"}};
    keeper.Save();
    windows.push_back({"b", "http://b/"});
    keeper.SaveSoon();
    EXPECT_EQ(stored().Links.size(), 1);
    keeper.Release();
    EXPECT_EQ(stored().Links.size(), 2);
    EXPECT_EQ(keeper.Record().writeCount(), 2);
}

TEST_F(SessionKeeperTest, TheExitMarkLastsUntilTheNextRecord) {
    windows = {{"a", "http://a/"}};
    keeper.Save();
    keeper.WriteExitMark(0);
    EXPECT_EQ(normalExit(), 0u);
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath))
                  .readDword("LastSession"),
              static_cast<std::uint32_t>(kId));
    // The next record removes the mark, changed or not: a session that is
    // running and then killed reads as crashed.
    keeper.Save();
    EXPECT_FALSE(normalExit());
    keeper.WriteExitMark(0);
    windows[0].title = "b";
    keeper.Save();
    EXPECT_FALSE(normalExit());
    keeper.WriteExitMark(1);
    EXPECT_EQ(normalExit(), 1u);
    const QList<LinkGroupLink> expected{{"b", "http://a/"}};
    EXPECT_EQ(stored().Links, expected);
}

TEST_F(SessionKeeperTest, RestoredWindowsReplaceTheCrashedRecordsAtOnce) {
    writeSessionKey("5000030", LinkGroup{"Session", 0, 0, {{"x", "http://x/"}}}, 0);
    writeSessionKey("5000031", LinkGroup{"Session", 0, 0, {{"y", "http://y/"}}}, 1);
    CAppSettings settings;
    keeper.ScanSessions(settings, [](std::int32_t) { return false; });
    EXPECT_FALSE(settings.NormalExit);
    ASSERT_EQ(settings.CrashedSession.Links.size(), 1);
    EXPECT_EQ(sessionKeyNames(), QStringList({"5000030"}));

    keeper.ResolveCrash(settings.CrashedSession, true);
    EXPECT_EQ(sessionKeyNames(), QStringList({QString::number(kId)}));
    EXPECT_EQ(stored().Links, settings.CrashedSession.Links);
    // The first record of the real windows replaces the restored list.
    windows = {{"x", "http://x/"}, {"start", "http://start/"}};
    keeper.Save();
    EXPECT_EQ(stored().Links.size(), 2);
}

TEST(SessionReopen, WindowsAlreadyOpeningAreNotOpenedTwice) {
    LinkGroup crashed;
    for (const char* url : {"http://a/", "", "http://b/", "http://a/", "http://c/"})
        crashed.Links.push_back({QStringLiteral("t"), QString::fromLatin1(url)});
    EXPECT_EQ(SessionKeeper::AddressesToReopen(crashed, {}),
              (QStringList{"http://a/", "http://b/", "http://a/", "http://c/"}));
    // The last run reopened by start mode 6 is the crashed run: one "a" and
    // the "b" are opening already, the second "a" and "c" are not.
    EXPECT_EQ(SessionKeeper::AddressesToReopen(crashed, {"http://b/", "http://a/", "http://x/"}),
              (QStringList{"http://a/", "http://c/"}));
}

TEST_F(SessionKeeperTest, DecliningTheRestoreOnlyRemovesTheCrashedRecords) {
    writeSessionKey("5000030", LinkGroup{"Session", 0, 0, {{"x", "http://x/"}}}, 0);
    CAppSettings settings;
    keeper.ScanSessions(settings, [](std::int32_t) { return false; });
    keeper.ResolveCrash(settings.CrashedSession, false);
    EXPECT_TRUE(sessionKeyNames().isEmpty());
}
