#include "SettingsTestSupport.h"

#include "app/CAppSettings.h"
#include "quickcommands/QuickCommandStore.h"

using platform::RegKey;

namespace {

using QuickCommandStoreTest = FreshRegistryTest;

QString recordPath(int i) {
    return QString::fromUtf16(kQuickCommandsKeyPath) + QStringLiteral("\\QuickCommand%1").arg(i);
}

QList<QuickCommand> load() {
    QList<QuickCommand> commands = {QuickCommand{0, "stale", "", ""}};
    LoadQuickCommands(&commands);
    return commands;
}

TEST_F(QuickCommandStoreTest, SavedListLoadsBackWithTheRegistryLayout) {
    const QList<QuickCommand> commands = {
        {QuickCommand::Search, "谷歌", "gs", "http://g/?q=%s&r=%s"},
        {QuickCommand::Open, "News", "news", "http://news/"},
        {7, "Odd type", "odd", "http://odd/" + QString(6000, 'u')}, // beyond the entry limit
        {-1, "Negative", "", ""},
    };
    ASSERT_EQ(SaveQuickCommands(commands), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key(recordPath(0))), QStringList({"Title", "Command", "Type", "URL"}));
    EXPECT_EQ(key(recordPath(3)).readDword("Type").value_or(0), 0xFFFFFFFFu);
    EXPECT_EQ(load(), commands);

    ASSERT_EQ(SaveQuickCommands(commands.mid(0, 1)), platform::ERROR_SUCCESS);
    EXPECT_EQ(key(kQuickCommandsKeyPath).subkeyNames(), QStringList({"QuickCommand0"}));
    ASSERT_EQ(SaveQuickCommands({}), platform::ERROR_SUCCESS);
    EXPECT_FALSE(
        RegKey::open(platform::RegRoot::CurrentUser, QString::fromUtf16(kQuickCommandsKeyPath)));
}

TEST_F(QuickCommandStoreTest, AnEmptyOrMissingTitleEndsLoading) {
    key(recordPath(0)).setString("Title", "Only title");
    key(recordPath(1)).setString("Title", "");
    key(recordPath(2)).setString("Title", "After the empty one");
    const QList<QuickCommand> loaded = load();
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_EQ(loaded[0], (QuickCommand{0, "Only title", "", ""}));

    key(recordPath(1)).deleteValue("Title");
    EXPECT_EQ(load().size(), 1);
    key(recordPath(1)).setDword("Title", 3);
    EXPECT_EQ(load().size(), 1);
    key(recordPath(1)).setString("Title", "Back");
    EXPECT_EQ(load().size(), 3);
}

TEST_F(QuickCommandStoreTest, CommandInUseIgnoresCaseButSparesTheEditedRecord) {
    CAppSettings s;
    s.QuickCommands = {{0, "Search", "gs", "u"}, {0, "Other", "News", "u"}};
    EXPECT_TRUE(s.IsCommandInUse("GS"));
    EXPECT_TRUE(s.IsCommandInUse("news"));
    EXPECT_FALSE(s.IsCommandInUse("g"));
    EXPECT_FALSE(s.IsCommandInUse("GS", "gs"));  // editing gs may keep its word
    EXPECT_TRUE(s.IsCommandInUse("gs", "GS"));   // the exception compares exactly
    EXPECT_TRUE(s.IsCommandInUse("news", "gs")); // another record still counts

    s.QuickCommands.append({0, "Twin", "GS", "u"});
    EXPECT_TRUE(s.IsCommandInUse("gs", "gs")); // the twin differs from the exception
}

} // namespace
