#include "SettingsTestSupport.h"

#include "app/CAppSettings.h"
#include "app/PrintSettings.h"
#include "app/SessionKeyPath.h"
#include "linkgroups/LinkGroupStore.h"

#include "platform/registry/Registry.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

using PrintSettingsTest = FreshRegistryTest;

QStringList printed(const CAppSettings& s) {
    QString text;
    QTextStream out(&text);
    PrintSettings(s, out);
    out.flush();
    return text.split(u'\n', Qt::SkipEmptyParts);
}

TEST_F(PrintSettingsTest, ListsFollowTheScalarsOneLinePerEntry) {
    CAppSettings s;
    s.SetClosedWindowsCount(3);
    s.AddClosedWindow("Title", "http://a/");
    s.AutoClose = {"*ads*"};
    s.LinkGroups = {LinkGroup{"G", 1, 0, {{"L", "http://l/"}}}, LinkGroup{"-", 0, 1, {}}};
    s.QuickCommands = {{1, "Search", "gs", "http://s/?q=%s"}};
    s.LastSessionGroup.Links = {{"Last\nline", "http://last/"}};

    const QStringList lines = printed(s);
    ASSERT_EQ(lines.size(), 49 + 12);
    EXPECT_EQ(lines[0], "ActivateNewWindow=0");
    EXPECT_EQ(lines[48], "StartMode=4");
    EXPECT_EQ(lines.mid(49), QStringList({
                                 "AutoClose.count=1",
                                 "AutoClose[0]=*ads*",
                                 "ClosedWindows.count=3",
                                 "ClosedWindows[0]=Title|http://a/",
                                 "LinkGroups.count=2",
                                 "LinkGroups[0]=G|1|0|1",
                                 "LinkGroups[0].Link[0]=L|http://l/",
                                 "LinkGroups[1]=-|0|1|0",
                                 "QuickCommands.count=1",
                                 "QuickCommands[0]=Search|gs|1|http://s/?q=%s",
                                 "LastSessionGroup.count=1",
                                 "LastSessionGroup[0]=Last\\nline|http://last/",
                             }));
}

TEST_F(PrintSettingsTest, RunLoadsThroughTheSettersAndWritesNothing) {
    settingsKey().setDword("TabWidth", 500);
    settingsKey().setDword("LastSession", 55);
    settingsKey().setString("CustomHomepage", "http://主页/");
    WriteLinkGroup(SessionKeyPath(55), LinkGroup{"Session", 0, 0, {{"P", "http://p/"}}});
    const QStringList before = valueNames(settingsKey());

    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(RunPrintSettings(file), 0);
    std::rewind(file);
    QByteArray bytes(1 << 16, '\0');
    bytes.truncate(static_cast<qsizetype>(std::fread(bytes.data(), 1, bytes.size(), file)));
    std::fclose(file);

    const QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("TabWidth=90"));
    EXPECT_TRUE(lines.contains("CustomHomepage=http://主页/"));
    EXPECT_TRUE(lines.contains("LastSessionGroup[0]=P|http://p/"));
    EXPECT_EQ(valueNames(settingsKey()), before);
    EXPECT_FALSE(platform::RegKey::open(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kAutoCloseKeyPath)));
}

} // namespace

using PrintSettingsDamageTest = FreshRegistryTest;

TEST_F(PrintSettingsDamageTest, ADamagedRegistryIsReportedAndLeftAsItIs) {
    settingsKey().setDword("TabWidth", 77);
    const QString path = testenv::closeDefaultRegistry();
    ASSERT_TRUE(testenv::overwriteTestFile(path, 4096, QByteArray(4096, '\x5a')));
    const QByteArray before = testenv::readTestFile(path);
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ASSERT_NE(err, nullptr);
    EXPECT_EQ(RunPrintSettings(out, err), 1);
    std::rewind(err);
    char message[512] = {};
    (void)!std::fread(message, 1, sizeof message - 1, err);
    std::fclose(out);
    std::fclose(err);
    EXPECT_NE(QString::fromUtf8(message).indexOf("damaged"), -1) << message;
    EXPECT_EQ(testenv::readTestFile(path), before);
    EXPECT_EQ(QFileInfo(path).dir().entryList({"*damaged*"}).size(), 0);
}
