#include "OptionsFixture.h"

#include "platform/registry/Registry.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class OptionsSheetTest : public OptionsFixture {};

QStringList pageList(const CQuorrelinOptions& sheet) {
    QStringList pages;
    for (int i = 0; i < sheet.PageCount(); ++i)
        pages << QStringLiteral("%1 %2").arg(sheet.Page(i)->DialogId()).arg(sheet.Page(i)->Title());
    return pages;
}

TEST_F(OptionsSheetTest, HoldsTheSixPagesInOrderOrOnlyTheWindowsPage) {
    CQuorrelinOptions all(nullptr, settings, environment);
    EXPECT_EQ(all.windowTitle(), QStringLiteral("Quorrelin 选项"));
    EXPECT_EQ(pageList(all), QStringList({"106 常规", "165 窗口", "204 高级", "161 自动关闭列表",
                                          "202 快速命令", "154 确定"}));
    EXPECT_EQ(all.Tabs()->tabText(4), QStringLiteral("快速命令"));
    // Only the page shown so far has its controls.
    EXPECT_TRUE(all.Page(0)->IsInitialized());
    EXPECT_FALSE(all.Page(1)->IsInitialized());
    EXPECT_FALSE(all.ApplyButton()->isEnabled());

    CQuorrelinOptions windows(nullptr, settings, environment, CQuorrelinOptions::Pages::WindowsOnly);
    EXPECT_EQ(pageList(windows), QStringList({"165 窗口"}));
    EXPECT_TRUE(windows.Page(0)->IsInitialized());
}

TEST_F(OptionsSheetTest, PagesShowTheStoredSettings) {
    const platform::RegKey key = settingsKey();
    key.setDword(QStringLiteral("StartMode"), 3);
    key.setString(QStringLiteral("CustomHomepage"), QStringLiteral("http://mine.example/"));
    key.setDword(QStringLiteral("DisplaySplash"), 0);
    key.setDword(QStringLiteral("SortFavorites"), 0);
    key.setDword(QStringLiteral("TabWidth"), 120);
    key.setDword(QStringLiteral("UseFlatTab"), 0);
    key.setDword(QStringLiteral("FixedTabWidthType"), 0);
    key.setDword(QStringLiteral("ClosedWindowsCount"), 10);
    key.setDword(QStringLiteral("ActivateMode"), 2);
    key.setDword(QStringLiteral("AllowDoubleClickClose"), 1);
    key.setDword(QStringLiteral("DisplayOpenAll"), 0);
    key.setDword(QStringLiteral("ConfirmExitApp"), 0);
    key.setDword(QStringLiteral("ConfirmCloseWindows"), 0);
    key.setDword(QStringLiteral("ClosePopups"), 1);
    settings.Load();
    CQuorrelinOptions sheet(nullptr, settings, environment);

    COptionsPage* general = show(sheet, 106);
    EXPECT_TRUE(checked(general, 10031)); // 自定义
    EXPECT_EQ(edit(general, 10032)->text(), QStringLiteral("http://mine.example/"));
    EXPECT_EQ(edit(general, 10033)->text(), QStringLiteral("http://home.example/"));
    EXPECT_TRUE(enabled(general, 10032));
    EXPECT_FALSE(enabled(general, 10033));
    EXPECT_FALSE(enabled(general, 10073));
    EXPECT_FALSE(enabled(general, 10083));
    EXPECT_FALSE(checked(general, 10037));
    EXPECT_FALSE(checked(general, 10096));
    EXPECT_TRUE(checked(general, 10053));

    COptionsPage* windows = show(sheet, 165);
    EXPECT_EQ(edit(windows, 10060)->text(), QStringLiteral("120"));
    EXPECT_FALSE(checked(windows, 10057));
    EXPECT_TRUE(checked(windows, 10133));
    EXPECT_TRUE(checked(windows, 10071));
    EXPECT_EQ(edit(windows, 10072)->text(), QStringLiteral("10"));
    EXPECT_TRUE(checked(windows, 10047));
    EXPECT_TRUE(checked(windows, 10048));

    COptionsPage* advanced = show(sheet, 204);
    EXPECT_TRUE(checked(advanced, 10140));
    EXPECT_FALSE(checked(advanced, 10146));
    EXPECT_TRUE(checked(advanced, 10143));

    COptionsPage* autoClose = show(sheet, 161);
    EXPECT_TRUE(checked(autoClose, 10135));

    COptionsPage* confirms = show(sheet, 154);
    EXPECT_FALSE(checked(confirms, 10028));
    EXPECT_FALSE(checked(confirms, 10035));
    EXPECT_TRUE(checked(confirms, 10029));
    // Showing pages changes nothing.
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
}

// Every control a user can change marks its page modified and enables Apply.
TEST_F(OptionsSheetTest, EveryControlMarksItsPageModified) {
    mozilla = true;
    hookState = 0;
    CQuorrelinOptions sheet(nullptr, settings, environment);
    for (int i = 0; i < sheet.PageCount(); ++i) {
        COptionsPage* page = sheet.Page(i);
        ASSERT_TRUE(sheet.SelectPage(i));
        int changed = 0;
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            bool numbered = false;
            button->objectName().toInt(&numbered);
            const bool toggles = button->isCheckable() &&
                                 !(qobject_cast<QRadioButton*>(button) && button->isChecked());
            if (!numbered || !toggles || !button->isEnabled())
                continue;
            page->SetModified(false);
            button->click();
            EXPECT_TRUE(page->IsModified()) << page->DialogId() << " " << button->objectName().toStdString();
            EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
            ++changed;
        }
        for (QLineEdit* line : page->findChildren<QLineEdit*>()) {
            if (!line->isEnabled() || line->isReadOnly())
                continue;
            page->SetModified(false);
            const QString text = line->text();
            line->setText(text + QLatin1Char('1'));
            EXPECT_TRUE(page->IsModified()) << page->DialogId() << " " << line->objectName().toStdString();
            line->setText(text); // so the page can be left
            ++changed;
        }
        EXPECT_GT(changed, 0) << page->DialogId();
    }
}

TEST_F(OptionsSheetTest, OkWritesExactlyTheChangedSettingsAndReappliesThem) {
    settings.Save();
    const auto before = storedValues();
    CQuorrelinOptions sheet(nullptr, settings, environment);
    click(show(sheet, 106), 10037);
    click(show(sheet, 165), 10057);
    click(show(sheet, 204), 10143);
    show(sheet, 161);
    show(sheet, 202);
    click(show(sheet, 154), 10028);
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);

    EXPECT_EQ(changedValues(before, storedValues()),
              QStringList({"ConfirmExitApp", "DisplaySplash", "DisplayTabCloseButton", "UseFlatTab"}));
    EXPECT_EQ(settings.UseFlatTab, 0);
    EXPECT_EQ(settings.DisplaySplash, 0);
    EXPECT_EQ(settings.SearchHook, -1);
    EXPECT_EQ(reapplied, QList<QList<int>>({{0, 1, 4}}));
}

TEST_F(OptionsSheetTest, NothingIsWrittenBeforeOkOrApply) {
    settings.Save();
    const auto before = storedValues();
    {
        CQuorrelinOptions sheet(nullptr, settings, environment);
        click(show(sheet, 154), 10029);
        sheet.reject();
    }
    EXPECT_EQ(storedValues(), before);
    EXPECT_EQ(settings.ConfirmCloseAll, 1);
    EXPECT_TRUE(reapplied.isEmpty());

    // Apply writes and keeps the sheet; only the pages shown so far count.
    CQuorrelinOptions sheet(nullptr, settings, environment,
                            CQuorrelinOptions::Pages::WindowsOnly);
    click(sheet.Page(0), 10054);
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
    sheet.ApplyButton()->click();
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    EXPECT_EQ(changedValues(before, storedValues()), QStringList({"AppendNewWindow"}));
    EXPECT_EQ(reapplied, QList<QList<int>>({{1}}));
}

TEST_F(OptionsSheetTest, AFailedSaveShowsTheErrorAndKeepsTheRecordAndTheSheet) {
    platform::Registry broken(QStringLiteral("/dev/null/registry.db"));
    ASSERT_FALSE(broken.isOpen());
    CAppSettings unsaved(&broken);
    unsaved.SetMozillaCheck([] { return false; });
    CQuorrelinOptions sheet(nullptr, unsaved, environment);
    click(show(sheet, 154), 10028);
    expectMessage();
    EXPECT_FALSE(sheet.Ok());
    EXPECT_EQ(shownMessages(), QStringList({"Quorrelin 无法保存设置。已保存的设置没有改变。"}));
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(unsaved.ConfirmExitApp, 1);
    EXPECT_TRUE(reapplied.isEmpty());
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
}

TEST_F(OptionsSheetTest, TheWindowsPageRefusesATabWidthOutsideItsRange) {
    CQuorrelinOptions sheet(nullptr, settings, environment);
    COptionsPage* windows = show(sheet, 165);
    click(windows, 10058); // fixed width off
    for (const char* width : {"19", "201", "", "abc"}) {
        edit(windows, 10060)->setText(QString::fromLatin1(width));
        expectMessage();
        EXPECT_FALSE(sheet.SelectPage(0)) << width;
        EXPECT_EQ(sheet.CurrentIndex(), 1);
        // The width becomes usable again so it can be mended.
        EXPECT_TRUE(checked(windows, 10058));
        EXPECT_TRUE(enabled(windows, 10060));
    }
    EXPECT_EQ(shownMessages(), QStringList(4, QStringLiteral("无效值. 它必须在 20 - 200 之间。")));
    for (const char* width : {"20", "200"}) {
        edit(windows, 10060)->setText(QString::fromLatin1(width));
        EXPECT_TRUE(sheet.SelectPage(1 - sheet.CurrentIndex())) << width;
        sheet.SelectPage(1);
    }

    // The count of recently closed windows, while they are kept.
    edit(windows, 10072)->setText(QStringLiteral("101"));
    expectMessage();
    EXPECT_FALSE(sheet.Ok());
    EXPECT_EQ(shownMessages().last(), QStringLiteral("无效值. 它必须在 1 - 100 之间。"));
    click(windows, 10071); // not kept: no check
    EXPECT_FALSE(enabled(windows, 10072));
    EXPECT_FALSE(enabled(windows, 10081));
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.TabWidth(), 200);
    EXPECT_EQ(settings.ClosedWindowsCount(), 0);
}

TEST_F(OptionsSheetTest, TheWindowsPageEnablesTheWidthChoicesByTheTabStyle) {
    CQuorrelinOptions sheet(nullptr, settings, environment, CQuorrelinOptions::Pages::WindowsOnly);
    COptionsPage* windows = sheet.Page(0);
    EXPECT_TRUE(checked(windows, 10134));
    EXPECT_TRUE(enabled(windows, 10134));
    // Several rows cannot fit the width: the fixed width is chosen.
    click(windows, 10131);
    EXPECT_TRUE(checked(windows, 10133));
    EXPECT_FALSE(enabled(windows, 10134));
    click(windows, 10058);
    for (int id : {10133, 10060, 10061, 10134})
        EXPECT_FALSE(enabled(windows, id)) << id;
    click(windows, 10058);
    click(windows, 10131);
    EXPECT_TRUE(enabled(windows, 10134));
    edit(windows, 10060)->setText(QStringLiteral("33"));
    click(windows, 10061);
    EXPECT_EQ(edit(windows, 10060)->text(), QStringLiteral("90"));

    // Keeping closed windows again starts from 25.
    click(windows, 10071);
    edit(windows, 10072)->clear();
    click(windows, 10071);
    EXPECT_EQ(edit(windows, 10072)->text(), QStringLiteral("25"));
}

TEST_F(OptionsSheetTest, TheSecondEngineIsOfferedOnlyWhereItExists) {
    {
        CQuorrelinOptions sheet(nullptr, settings, environment,
                                CQuorrelinOptions::Pages::WindowsOnly);
        COptionsPage* windows = sheet.Page(0);
        EXPECT_TRUE(checked(windows, 10028));
        EXPECT_FALSE(enabled(windows, 10049));
        EXPECT_FALSE(enabled(windows, 10048));
        EXPECT_TRUE(checked(windows, 10048));
    }
    mozilla = true;
    CQuorrelinOptions sheet(nullptr, settings, environment, CQuorrelinOptions::Pages::WindowsOnly);
    COptionsPage* windows = sheet.Page(0);
    EXPECT_TRUE(enabled(windows, 10049));
    click(windows, 10049);
    click(windows, 10028);
    EXPECT_FALSE(enabled(windows, 10049));
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.OpenWindowType(), 1);
    EXPECT_EQ(settings.OpenInNewWindow, 0);
}

TEST_F(OptionsSheetTest, NotKeepingClosedWindowsTurnsTheRecentStartModeOff) {
    settings.SetOpenWindowsCount(3);
    settings.SetStartMode(1);
    CQuorrelinOptions sheet(nullptr, settings, environment);
    COptionsPage* general = show(sheet, 106);
    EXPECT_TRUE(checked(general, 10036));
    EXPECT_EQ(edit(general, 10073)->text(), QStringLiteral("3"));
    click(show(sheet, 165), 10071);
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.StartMode(), 4);
    EXPECT_EQ(settings.ClosedWindowsCount(), 0);
    EXPECT_EQ(settings.OpenWindowsCount(), 0);
    EXPECT_EQ(settingsKey().readDword(QStringLiteral("StartMode")), 4u);
    EXPECT_EQ(settingsKey().readDword(QStringLiteral("ClosedWindowsCount")), 0u);
}

TEST_F(OptionsSheetTest, TheGeneralPageChecksTheCustomAddressFirstThenTheCount) {
    settings.SetClosedWindowsCount(5);
    CQuorrelinOptions sheet(nullptr, settings, environment);
    COptionsPage* general = sheet.Page(0);
    click(general, 10031);
    EXPECT_TRUE(enabled(general, 10032));
    edit(general, 10032)->clear();
    expectMessage();
    EXPECT_FALSE(sheet.SelectPage(5));
    edit(general, 10073)->setText(QStringLiteral("0"));
    click(general, 10036);
    EXPECT_EQ(edit(general, 10073)->text(), QStringLiteral("1")); // 0 becomes 1
    EXPECT_FALSE(enabled(general, 10032));
    edit(general, 10073)->setText(QStringLiteral("6"));
    expectMessage();
    EXPECT_FALSE(sheet.Ok());
    EXPECT_EQ(shownMessages(), QStringList({"无效地址！此处不能为空。", "无效值. 它必须在 1 - 5 之间。"}));
    edit(general, 10073)->setText(QStringLiteral("5"));
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.StartMode(), 1);
    EXPECT_EQ(settings.OpenWindowsCount(), 5);
    EXPECT_EQ(settings.CustomHomepage, QString()); // taken whatever radio is chosen
}

TEST_F(OptionsSheetTest, TheGeneralPageChoosesStartupLinkGroupsAndTheDefaultBrowser) {
    for (const char* name : {"News", "-", "Work"}) {
        LinkGroup group;
        group.Name = QString::fromLatin1(name);
        group.Separator = group.Name == QStringLiteral("-") ? 1 : 0;
        settings.LinkGroups.append(group);
    }
    settings.LinkGroups[2].Startup = 1;
    CQuorrelinOptions sheet(nullptr, settings, environment);
    COptionsPage* general = sheet.Page(0);
    click(general, 10082);
    EXPECT_TRUE(enabled(general, 10083));
    QStringList offered;
    DialogRunner::instance().push(ScriptedAnswer::acting([&offered](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text() + (list->item(i)->checkState() ? "+" : "");
        list->item(0)->setCheckState(Qt::Checked);
        list->item(1)->setCheckState(Qt::Unchecked);
        return int(QDialog::Accepted);
    }));
    click(general, 10083);
    EXPECT_EQ(offered, QStringList({"News", "Work+"}));

    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    click(general, 10044);
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    click(general, 10044);
    EXPECT_EQ(madeDefault, 1);

    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.StartMode(), 5);
    EXPECT_EQ(settings.LinkGroups[0].Startup, 1u);
    EXPECT_EQ(settings.LinkGroups[2].Startup, 0u);
}

} // namespace
