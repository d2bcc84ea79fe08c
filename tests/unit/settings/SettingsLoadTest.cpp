#include "SettingsTestSupport.h"

#include "app/CAppSettings.h"
#include "app/SessionKeyPath.h"
#include "linkgroups/LinkGroupStore.h"
#include "system/MozillaControl.h"

#include <QFile>

using platform::RegKey;

namespace {

class SettingsLoadTest : public FreshRegistryTest {
protected:
    // Stores the DWORDs and loads a record from them.
    CAppSettings loadWith(std::initializer_list<std::pair<const char*, std::uint32_t>> values,
                          bool mozilla = false) {
        const RegKey k = settingsKey();
        for (const auto& [name, value] : values)
            k.setDword(QString::fromLatin1(name), value);
        CAppSettings settings;
        settings.SetMozillaCheck([mozilla] { return mozilla; });
        settings.Load();
        return settings;
    }
};

TEST_F(SettingsLoadTest, EmptyRegistryGivesEveryDefaultInLoadOrder) {
    CAppSettings settings;
    settings.Load();
    QStringList lines;
    for (const auto& [name, value] : settings.ScalarValues())
        lines.append(name + u'=' + value);
    const QStringList expected = {"ActivateNewWindow=0",
                                  "CustomHomepage=about:blank",
                                  "ConfirmExitApp=1",
                                  "ConfirmSynchronize=1",
                                  "ConfirmCloseAll=1",
                                  "ConfirmCloseAllEx=1",
                                  "ConfirmUserClose=1",
                                  "ConfirmClearAddress=1",
                                  "ConfirmAddToAutoClose=1",
                                  "ConfirmCloseWindows=1",
                                  "MaximizeChild=0",
                                  "OpenInNewWindow=1",
                                  "MultipleInstance=0",
                                  "CheckDefaultBrowser=1",
                                  "DisplaySplash=1",
                                  "ActivateMode=1",
                                  "OpenWindowType=0",
                                  "ShowGoButton=1",
                                  "AppendNewWindow=1",
                                  "UseFlatTab=1",
                                  "UseFixedWidthTab=1",
                                  "TabWidth=90",
                                  "ExplorerBarWidth=240",
                                  "ExplorerBarViewType=-1",
                                  "AutoComplete=1",
                                  "ClosedWindowsCount=25",
                                  "OpenWindowsCount=1",
                                  "OpenClosedWindowsInNewWindow=1",
                                  "LockToolbars=0",
                                  "DownloadOptions=112",
                                  "ApplyDownloadOptionsToAll=0",
                                  "AutoRefreshInterval=30",
                                  "ClearOption=0",
                                  "SortFavorites=1",
                                  "ShowQuickCommandHelp=1",
                                  "UseSingleLineTabs=1",
                                  "FixedTabWidthType=1",
                                  "TabPosition=1",
                                  "ClosePopups=0",
                                  "AllowDoubleClickClose=0",
                                  "AlwaysOnTop=0",
                                  "MinimizeToSystray=0",
                                  "MButtonOpenLinkInNew=1",
                                  "MButtonCloseTab=1",
                                  "AlwaysOpenLinksInNew=0",
                                  "AlwaysOpenFavoritesInNew=0",
                                  "DisplayOpenAll=1",
                                  "DisplayTabCloseButton=1",
                                  "StartMode=4"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(settings.ClosedWindows().size(), 25);
    EXPECT_EQ(settings.CurrentSession.Name, "Session");
    EXPECT_TRUE(settings.NormalExit);
}

TEST_F(SettingsLoadTest, ValuesOfTheWrongTypeOrSizeKeepTheDefault) {
    const RegKey k = settingsKey();
    k.setString("TabPosition", "2"); // string for a number
    k.setValue("DownloadOptions", platform::REG_DWORD, QByteArray("\x01\x00", 2)); // short DWORD
    k.setBinary("ClosePopups", QByteArray(4, '\x01')); // binary, right size
    k.setDword("CustomHomepage", 7);                   // number for a string
    k.setDword("ExplorerBarWidth", 0xFFFFFFFF);        // readable: -1
    CAppSettings settings;
    settings.Load();
    EXPECT_EQ(settings.TabPosition, 1);
    EXPECT_EQ(settings.DownloadOptions, 0x70);
    EXPECT_EQ(settings.ClosePopups, 0);
    EXPECT_EQ(settings.CustomHomepage, "about:blank");
    EXPECT_EQ(settings.ExplorerBarWidth, -1);
}

TEST_F(SettingsLoadTest, SettersCorrectStoredValuesAtTheirBounds) {
    const std::pair<std::uint32_t, int> tabWidths[] = {
        {19, 90}, {20, 20}, {200, 200}, {201, 90}, {0xFFFFFFFF, 90}};
    for (const auto& [stored, loaded] : tabWidths)
        EXPECT_EQ(loadWith({{"TabWidth", stored}}).TabWidth(), loaded) << stored;

    const std::pair<std::uint32_t, int> intervals[] = {
        {0, 3}, {3, 3}, {86400, 86400}, {100000, 86400}, {0xFFFFFFFF, 3}};
    for (const auto& [stored, loaded] : intervals)
        EXPECT_EQ(loadWith({{"AutoRefreshInterval", stored}}).AutoRefreshInterval(), loaded)
            << stored;

    EXPECT_EQ(loadWith({{"OpenWindowType", 1}}, false).OpenWindowType(), 0);
    EXPECT_EQ(loadWith({{"OpenWindowType", 1}}, true).OpenWindowType(), 1);
    EXPECT_EQ(loadWith({{"OpenWindowType", 2}}, true).OpenWindowType(), 0);
}

TEST_F(SettingsLoadTest, ClosedWindowsCountOutOfRangeKeepsTheCapacity) {
    for (std::uint32_t stored : {101u, 0xFFFFFFFFu}) {
        const CAppSettings s = loadWith({{"ClosedWindowsCount", stored}});
        EXPECT_EQ(s.ClosedWindowsCount(), 25) << stored;
        EXPECT_EQ(s.ClosedWindows().size(), 25) << stored;
    }
    const CAppSettings s = loadWith({{"ClosedWindowsCount", 100}, {"OpenWindowsCount", 100}});
    EXPECT_EQ(s.ClosedWindows().size(), 100);
    EXPECT_EQ(s.OpenWindowsCount(), 100);
}

TEST_F(SettingsLoadTest, ZeroCapacitySwitchesOffTheListAndStartMode1) {
    key(kClosedWindowsKeyPath).setExpandString("window1", "t\nhttp://a/");
    const CAppSettings s =
        loadWith({{"ClosedWindowsCount", 0}, {"OpenWindowsCount", 1}, {"StartMode", 1}});
    EXPECT_TRUE(s.ClosedWindows().isEmpty());
    EXPECT_EQ(s.OpenWindowsCount(), 0);
    EXPECT_EQ(s.StartMode(), 4);
}

TEST_F(SettingsLoadTest, OpenWindowsCountIsBoundByTheCapacityLoadedBeforeIt) {
    EXPECT_EQ(loadWith({{"ClosedWindowsCount", 50}, {"OpenWindowsCount", 30}}).OpenWindowsCount(),
              30);
    EXPECT_EQ(loadWith({{"ClosedWindowsCount", 10}, {"OpenWindowsCount", 11}}).OpenWindowsCount(),
              0);
    EXPECT_EQ(loadWith({{"OpenWindowsCount", 0}}).OpenWindowsCount(), 0);
}

TEST_F(SettingsLoadTest, StartModeIsCorrectedAgainstLinkGroupsLoadedBeforeIt) {
    EXPECT_EQ(loadWith({{"StartMode", 5}}).StartMode(), 4);
    EXPECT_EQ(loadWith({{"StartMode", 1}}).StartMode(), 1);
    EXPECT_EQ(loadWith({{"StartMode", 6}}).StartMode(), 6);

    LinkGroup group;
    group.Name = "News";
    group.Links.append(LinkGroupLink{"Example", "http://example.org/"});
    ASSERT_EQ(SaveLinkGroups({group}), platform::ERROR_SUCCESS);
    EXPECT_EQ(loadWith({{"StartMode", 5}}).StartMode(), 5);
}

TEST_F(SettingsLoadTest, ClosedWindowsFillTheirSlotsAndIgnoreValuesBeyondTheCapacity) {
    const RegKey k = key(kClosedWindowsKeyPath);
    for (int i = 1; i <= 30; ++i)
        k.setExpandString(QStringLiteral("window%1").arg(i),
                          QStringLiteral("t%1\nhttp://h/%1").arg(i));
    const CAppSettings s = loadWith({});
    ASSERT_EQ(s.ClosedWindows().size(), 25);
    EXPECT_EQ(s.ClosedWindows().first(), "t1\nhttp://h/1");
    EXPECT_EQ(s.ClosedWindows().last(), "t25\nhttp://h/25");

    const CAppSettings small = loadWith({{"ClosedWindowsCount", 3}});
    EXPECT_EQ(small.ClosedWindows(),
              QStringList({"t1\nhttp://h/1", "t2\nhttp://h/2", "t3\nhttp://h/3"}));
}

TEST_F(SettingsLoadTest, AutoCloseStopsAtTheFirstGapOrUnreadableValue) {
    const RegKey k = key(kAutoCloseKeyPath);
    k.setExpandString("url1", "*ads*");
    k.setString("url2", "*popup*"); // REG_SZ reads as well
    k.setExpandString("url4", "*after-gap*");
    EXPECT_EQ(loadWith({}).AutoClose, QStringList({"*ads*", "*popup*"}));

    k.setDword("url2", 5);
    EXPECT_EQ(loadWith({}).AutoClose, QStringList({"*ads*"}));
}

TEST_F(SettingsLoadTest, LastSessionGroupComesFromTheKeyNamedByLastSession) {
    LinkGroup session;
    session.Name = "Session";
    session.Links = {{"One", "http://one/"}, {"Two", "http://two/"}};
    ASSERT_EQ(WriteLinkGroup(SessionKeyPath(4321), session), platform::ERROR_SUCCESS);

    EXPECT_TRUE(loadWith({}).LastSessionGroup.Links.isEmpty());
    EXPECT_EQ(loadWith({{"LastSession", 4321}}).LastSessionGroup, session);
    EXPECT_TRUE(loadWith({{"LastSession", 999}}).LastSessionGroup.Links.isEmpty());
}

TEST_F(SettingsLoadTest, MozillaCountsAsAvailableOnlyWhenItsLibraryIsRegisteredAndPresent) {
    EXPECT_FALSE(IsMozillaControlAvailable());
    const RegKey server = RegKey::create(
        platform::RegRoot::ClassesRoot,
        QStringLiteral("CLSID\\%1\\InprocServer32").arg(QString::fromUtf16(kMozillaControlClsid)));
    const QString library = testenv::freshDir("moz") + "/libmozctl.so";
    server.setString(QString(), library);
    EXPECT_FALSE(IsMozillaControlAvailable());

    QFile file(library);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(IsMozillaControlAvailable());

    // Without an injected check the setter asks the registry.
    settingsKey().setDword("OpenWindowType", 1);
    CAppSettings settings;
    settings.Load();
    EXPECT_EQ(settings.OpenWindowType(), 1);
}

} // namespace
