#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/IeSettings.h"
#include "system/IeVersion.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class IeEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    static RegKey ieKey() {
        return RegKey::create(RegRoot::LocalMachine, QString::fromUtf16(kIeKeyPath));
    }
    static RegKey internetSettings() {
        return RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kInternetSettingsKeyPath));
    }
};

} // namespace

TEST(IeVersionParse, TakesTheFirstThreeDottedNumbers) {
    EXPECT_EQ(parseIeVersion("6.0.2800.1106"), (IeVersion{6, 0, 2800}));
    EXPECT_EQ(parseIeVersion("5.50"), (IeVersion{5, 50, 0}));
    EXPECT_EQ(parseIeVersion("6.0.2800"), (IeVersion{6, 0, 2800}));
    EXPECT_EQ(parseIeVersion("108.0.5359.220"), (IeVersion{108, 0, 5359}));
    EXPECT_EQ(parseIeVersion("4"), (IeVersion{4, 0, 0}));
}

TEST(IeVersionParse, MissingOrBadPartsAreZero) {
    EXPECT_EQ(parseIeVersion(""), (IeVersion{}));
    EXPECT_EQ(parseIeVersion("..."), (IeVersion{}));
    EXPECT_EQ(parseIeVersion("abc"), (IeVersion{}));
    EXPECT_EQ(parseIeVersion("x.7.y"), (IeVersion{0, 7, 0}));
    // A part counts up to its first non-digit, leading blanks skipped.
    EXPECT_EQ(parseIeVersion(" 6beta.01x.2800 SP1"), (IeVersion{6, 1, 2800}));
    // A sign is not a number: a version never comes out negative.
    EXPECT_EQ(parseIeVersion("-7.-1.-3"), (IeVersion{}));
}

TEST(IeVersionParse, HugeNumbersAreClampedNotWrapped) {
    EXPECT_EQ(parseIeVersion("99999999999999999999999.4294967296.2147483648"),
              (IeVersion{INT_MAX, INT_MAX, INT_MAX}));
    EXPECT_EQ(parseIeVersion("2147483647.0.0").major, INT_MAX);
    const QString endless = QString(100000, u'9') + u'.' + QString(100000, u'.');
    EXPECT_EQ(parseIeVersion(endless), (IeVersion{INT_MAX, 0, 0}));
}

TEST_F(IeEnvironmentTest, VersionIsReadFromTheMachineKey) {
    EXPECT_EQ(readIeVersion(), (IeVersion{}));
    ieKey().setString("Version", "6.0.2900.2180");
    EXPECT_EQ(readIeVersion(), (IeVersion{6, 0, 2900}));
    ieKey().setDword("Version", 6); // not a string: as good as missing
    EXPECT_EQ(readIeVersion(), (IeVersion{}));
}

TEST_F(IeEnvironmentTest, SeedingWritesOnlyWhenNoUsableVersionIsStored) {
    EXPECT_TRUE(seedEngineVersion("108.0.5359.220"));
    EXPECT_EQ(readIeVersion(), (IeVersion{108, 0, 5359}));

    // A stored value wins, also on later starts with another engine.
    ieKey().setString("Version", "3.0");
    EXPECT_TRUE(seedEngineVersion("108.0.5359.220"));
    EXPECT_EQ(readIeVersion(), (IeVersion{3, 0, 0}));

    // Empty or wrongly typed values are replaced.
    ieKey().setString("Version", "");
    EXPECT_TRUE(seedEngineVersion("120.1.2.3"));
    EXPECT_EQ(readIeVersion(), (IeVersion{120, 1, 2}));
    ieKey().setBinary("Version", QByteArray("\x01\x02", 2));
    EXPECT_TRUE(seedEngineVersion("121.0.0.0"));
    EXPECT_EQ(readIeVersion().major, 121);

    // Nothing to seed with and nothing stored: no value appears.
    ieKey().deleteValue("Version");
    EXPECT_FALSE(seedEngineVersion(QString()));
    EXPECT_FALSE(ieKey().readString("Version").has_value());
}

TEST_F(IeEnvironmentTest, StartPageIsReadAndNeverSeeded) {
    EXPECT_EQ(readIeStartPage(), QString());
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, QString::fromUtf16(kIeMainKeyPath)));
    RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kIeMainKeyPath))
        .setString("Start Page", "http://example.org/");
    EXPECT_EQ(readIeStartPage(), "http://example.org/");
}

TEST(ProxySplit, SplitsAtTheFirstColonUnlessItLeads) {
    QString host;
    int port = -1;
    splitProxyServer("proxy.local:8080", &host, &port);
    EXPECT_EQ(host, "proxy.local");
    EXPECT_EQ(port, 8080);

    splitProxyServer(":8080", &host, &port);
    EXPECT_EQ(host, ":8080");
    EXPECT_EQ(port, 0);

    splitProxyServer("proxy.local", &host, &port);
    EXPECT_EQ(host, "proxy.local");
    EXPECT_EQ(port, 0);

    splitProxyServer("a:1:2", &host, &port);
    EXPECT_EQ(host, "a");
    EXPECT_EQ(port, 1);

    splitProxyServer("", &host, &port);
    EXPECT_EQ(host, "");
    EXPECT_EQ(port, 0);
}

TEST(ProxySplit, PortsThatAreNotPortNumbersBecomeZero) {
    QString host;
    int port = -1;
    splitProxyServer("h:", &host, &port);
    EXPECT_EQ(port, 0);
    splitProxyServer("h:http", &host, &port);
    EXPECT_EQ(port, 0);
    splitProxyServer("h:65535", &host, &port);
    EXPECT_EQ(port, 65535);
    splitProxyServer("h:65536", &host, &port);
    EXPECT_EQ(port, 0);
    splitProxyServer("h:" + QString(5000, u'9'), &host, &port);
    EXPECT_EQ(port, 0);
    splitProxyServer(QString::fromUtf16(u"h:\uFF18\uFF10"), &host, &port); // full-width digits
    EXPECT_EQ(port, 0);
    EXPECT_EQ(host, "h");
}

TEST_F(IeEnvironmentTest, ProxyComesFromTheInternetSettings) {
    EXPECT_EQ(readProxySettings(), ProxySettings{});
    internetSettings().setString("ProxyServer", "cache.example:3128");
    EXPECT_EQ(readProxySettings(), (ProxySettings{false, "cache.example", 3128}));
    internetSettings().setDword("ProxyEnable", 2);
    EXPECT_EQ(readProxySettings(), (ProxySettings{true, "cache.example", 3128}));
    internetSettings().setString("ProxyEnable", "1"); // wrong type reads as off
    EXPECT_FALSE(readProxySettings().enabled);
}
