// Finding and registering the second engine: the program's plug-in folder,
// the Gecko runtime key, the product keys and the folder choice, each tried
// only while nothing was found.
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/MozillaDetection.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using platform::RegKey;
using platform::RegRoot;

namespace {

class MozillaDetectionTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    // A detector whose registration records the folders it was asked for
    // and succeeds for those in accepted.
    MozillaDetection detect(const QString& pluginFolder = QString()) {
        MozillaDetector detector(
            pluginFolder,
            [this]() -> std::optional<QString> {
                ++folderChoices;
                return chosenFolder;
            },
            [this](const QString& folder) {
                tried << folder;
                return accepted.contains(folder);
            });
        return detector.Detect();
    }

    static void setMachineValue(const QString& key, const QString& name, const QString& value) {
        RegKey::create(RegRoot::LocalMachine, key).setString(name, value);
    }

    QStringList tried;
    QStringList accepted;
    std::optional<QString> chosenFolder;
    int folderChoices = 0;
};

TEST_F(MozillaDetectionTest, NothingFoundAskForAFolderAndCancelling) {
    MozillaDetection result = detect();
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(folderChoices, 1);
    EXPECT_TRUE(tried.isEmpty());

    chosenFolder = QStringLiteral("/opt/engine");
    result = detect();
    EXPECT_FALSE(result.found);
    EXPECT_FALSE(result.cancelled);
    accepted << QStringLiteral("/opt/engine");
    result = detect();
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.displayName, QStringLiteral("Unknown version of Mozilla or Netscape"));
}

TEST_F(MozillaDetectionTest, GeckoRuntimeNeedsTheProductKeyElseFallsThrough) {
    setMachineValue(QStringLiteral("SOFTWARE\\mozilla.org\\GRE\\1.7\\Main"),
                    QStringLiteral("Install Directory"), QStringLiteral("/opt/gre"));
    setMachineValue(QStringLiteral("Software\\Mozilla\\Seamonkey"),
                    QStringLiteral("CurrentVersion"), QStringLiteral("1.4"));
    setMachineValue(QStringLiteral("Software\\Mozilla\\Seamonkey\\1.4\\Main"),
                    QStringLiteral("Install Directory"), QStringLiteral("/opt/seamonkey/"));
    accepted << QStringLiteral("/opt/gre") << QStringLiteral("/opt/seamonkey");

    // The runtime registered, but without the Mozilla key step 1 does not
    // count: the product keys decide (one trailing slash dropped).
    MozillaDetection result = detect();
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.displayName, QStringLiteral("Mozilla 1.4"));
    EXPECT_EQ(tried, QStringList({"/opt/gre", "/opt/seamonkey"}));
    EXPECT_EQ(folderChoices, 0);

    RegKey::create(RegRoot::LocalMachine, QStringLiteral("SOFTWARE\\mozilla.org\\Mozilla\\1.7.5"));
    tried.clear();
    result = detect();
    EXPECT_EQ(result.displayName, QStringLiteral("Mozilla 1.7.5"));
    EXPECT_EQ(tried, QStringList({"/opt/gre"}));
}

TEST_F(MozillaDetectionTest, ProductKeysInOrderWithTheirNames) {
    setMachineValue(QStringLiteral("Software\\Netscape\\Netscape 6"),
                    QStringLiteral("CurrentVersion"), QStringLiteral("6.2 (en)"));
    setMachineValue(QStringLiteral("Software\\Netscape\\Netscape 6\\6.2 (en)\\Main"),
                    QStringLiteral("Install Directory"), QStringLiteral("/opt/netscape"));
    setMachineValue(QStringLiteral("Software\\Mozilla\\Mozilla Seamonkey"),
                    QStringLiteral("CurrentVersion"), QStringLiteral("1.0"));
    setMachineValue(QStringLiteral("Software\\Mozilla\\Mozilla Seamonkey\\1.0\\Main"),
                    QStringLiteral("Install Directory"), QStringLiteral("/opt/suite"));
    accepted << QStringLiteral("/opt/suite");
    MozillaDetection result = detect();
    EXPECT_EQ(tried, QStringList({"/opt/netscape", "/opt/suite"}));
    EXPECT_EQ(result.displayName, QStringLiteral("Mozilla Seamonkey 1.0"));
    accepted << QStringLiteral("/opt/netscape");
    EXPECT_EQ(detect().displayName, QStringLiteral("Netscape 6 6.2 (en)"));
}

TEST_F(MozillaDetectionTest, ThePluginFolderComesFirstWithTheRegisteredName) {
    const QString folder = testenv::freshDir(QStringLiteral("plugins"));
    // Without the library the folder is passed over.
    chosenFolder = std::nullopt;
    EXPECT_FALSE(detect(folder).found);
    EXPECT_TRUE(tried.isEmpty());

    // Either file name makes the folder a candidate.
    QFile file(folder + QStringLiteral("/mozctl.so"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(FolderHasMozillaControl(folder));
    accepted << folder;
    RegKey::create(RegRoot::ClassesRoot,
                   QStringLiteral("CLSID\\{1339B54C-3453-11D2-93B9-000000000000}"))
        .setString(QString(), QStringLiteral("WebKitGTK 2.50.6"));
    const MozillaDetection result = detect(folder);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.displayName, QStringLiteral("WebKitGTK 2.50.6"));
    EXPECT_EQ(folderChoices, 1); // only the first, failed run asked
    EXPECT_FALSE(FolderHasMozillaControl(testenv::freshDir(QStringLiteral("empty"))));
}

} // namespace
