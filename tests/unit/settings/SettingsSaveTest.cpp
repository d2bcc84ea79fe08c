#include "SettingsTestSupport.h"

#include "app/CAppSettings.h"
#include "app/IErrorReporter.h"
#include "linkgroups/LinkGroupStore.h"
#include "quickcommands/QuickCommandStore.h"

namespace {

using SettingsSaveTest = FreshRegistryTest;

// A record where every option differs from its default and every list is
// filled, including texts beyond the entry limits and outside ASCII.
CAppSettings fullRecord() {
    CAppSettings s;
    s.SetMozillaCheck([] { return true; });
    int n = 2;
    for (int* field : {&s.ActivateMode,
                       &s.DisplaySplash,
                       &s.CheckDefaultBrowser,
                       &s.MultipleInstance,
                       &s.ConfirmExitApp,
                       &s.ConfirmSynchronize,
                       &s.ConfirmCloseAll,
                       &s.ConfirmCloseAllEx,
                       &s.ConfirmUserClose,
                       &s.ConfirmClearAddress,
                       &s.ConfirmAddToAutoClose,
                       &s.ConfirmCloseWindows,
                       &s.ActivateNewWindow,
                       &s.OpenInNewWindow,
                       &s.MaximizeChild,
                       &s.ShowGoButton,
                       &s.AppendNewWindow,
                       &s.UseFlatTab,
                       &s.UseFixedWidthTab,
                       &s.ExplorerBarWidth,
                       &s.AutoComplete,
                       &s.OpenClosedWindowsInNewWindow,
                       &s.LockToolbars,
                       &s.DownloadOptions,
                       &s.ApplyDownloadOptionsToAll,
                       &s.ClearOption,
                       &s.SortFavorites,
                       &s.ShowQuickCommandHelp,
                       &s.UseSingleLineTabs,
                       &s.FixedTabWidthType,
                       &s.TabPosition,
                       &s.ClosePopups,
                       &s.AllowDoubleClickClose,
                       &s.AlwaysOnTop,
                       &s.MinimizeToSystray,
                       &s.MButtonOpenLinkInNew,
                       &s.MButtonCloseTab,
                       &s.AlwaysOpenLinksInNew,
                       &s.AlwaysOpenFavoritesInNew,
                       &s.DisplayOpenAll,
                       &s.DisplayTabCloseButton})
        *field = n++;
    s.ExplorerBarViewType = -7;
    s.CustomHomepage = QStringLiteral("http://例子.测试/首页");
    s.SetOpenWindowType(1);
    s.SetTabWidth(150);
    s.SetClosedWindowsCount(4);
    s.SetOpenWindowsCount(3);
    s.SetAutoRefreshInterval(600);
    s.AutoClose = {"*ads*", "*弹出*"};
    s.AddClosedWindow("Second", "http://second/");
    s.AddClosedWindow("First", "http://first/");
    LinkGroup group;
    group.Name = "Daily";
    group.Startup = 1;
    group.Links = {{"A", "http://a/" + QString(300, 'x')}, {"B", "http://b/"}};
    LinkGroup separator;
    separator.Name = "-";
    separator.Separator = 1;
    s.LinkGroups = {group, separator};
    s.QuickCommands = {{QuickCommand::Search, "Search", "gs", "http://s/?q=%s"},
                       {QuickCommand::Open, "News", "news", "http://news/"}};
    s.SetStartMode(5);
    return s;
}

TEST_F(SettingsSaveTest, SaveThenLoadGivesTheSameRecord) {
    const CAppSettings saved = fullRecord();
    ASSERT_TRUE(saved.Save());

    CAppSettings loaded;
    loaded.SetMozillaCheck([] { return true; });
    loaded.Load();
    EXPECT_EQ(loaded.ScalarValues(), saved.ScalarValues());
    EXPECT_EQ(loaded.AutoClose, saved.AutoClose);
    EXPECT_EQ(loaded.ClosedWindows(), saved.ClosedWindows());
    EXPECT_EQ(loaded.LinkGroups, saved.LinkGroups);
    EXPECT_EQ(loaded.QuickCommands, saved.QuickCommands);
    EXPECT_EQ(loaded.StartMode(), 5);
}

TEST_F(SettingsSaveTest, ScalarsAreWrittenStartModeFirstThenInLoadOrder) {
    const CAppSettings s;
    ASSERT_TRUE(s.Save());
    QStringList expected = {"StartMode"};
    for (const auto& [name, value] : s.ScalarValues())
        if (name != "StartMode")
            expected.append(name);
    EXPECT_EQ(valueNames(settingsKey()), expected);
    EXPECT_EQ(settingsKey().readString("CustomHomepage").value_or(""), "about:blank");
    EXPECT_EQ(settingsKey().readDword("ExplorerBarViewType").value_or(0), 0xFFFFFFFFu);
}

TEST_F(SettingsSaveTest, SavingShorterListsLeavesNothingOfTheOldOnes) {
    CAppSettings s = fullRecord();
    ASSERT_TRUE(s.Save());
    s.AutoClose = {"", "*only*"};
    s.ClearClosedWindows();
    s.LinkGroups.removeLast();
    s.QuickCommands.clear();
    ASSERT_TRUE(s.Save());

    EXPECT_EQ(valueNames(key(kAutoCloseKeyPath)), QStringList({"url1"}));
    // Only empty entries: the key is there, without values.
    const platform::RegKey closed = platform::RegKey::open(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kClosedWindowsKeyPath));
    ASSERT_TRUE(closed);
    EXPECT_TRUE(valueNames(closed).isEmpty());
    EXPECT_FALSE(platform::RegKey::open(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kQuickCommandsKeyPath)));
    EXPECT_EQ(key(kLinkGroupsKeyPath).subkeyNames(), QStringList({"Group0"}));
}

} // namespace
