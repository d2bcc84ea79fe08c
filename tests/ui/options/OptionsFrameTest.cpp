#include "../frame/FrameFixture.h"

#include "addressbar/CAddressBar.h"
#include "addressbar/CFlatImageButton.h"
#include "app/CCheckMessageBox.h"
#include "frame/CSettingsApplier.h"
#include "frame/CWindowBar.h"
#include "framework/CommandIds.h"
#include "options/COptionsPage.h"
#include "options/CQuorrelinOptions.h"
#include "quickcommands/CQuickCommandCommands.h"
#include "quickcommands/CQuickCommandDialog.h"
#include "quickcommands/QuickCommandStore.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

class OptionsFrameTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        CCheckMessageBox::setSoundPlayer([](CCheckMessageBox::IconKind) {});
    }
    void TearDown() override {
        CCheckMessageBox::setSoundPlayer({});
        FrameFixture::TearDown();
    }

    // Answers the options sheet: act runs on it, then OK.
    static void answerSheet(std::function<void(CQuorrelinOptions&)> act) {
        DialogRunner::instance().push(ScriptedAnswer::acting([act](QDialog& dialog) {
            auto& sheet = dynamic_cast<CQuorrelinOptions&>(dialog);
            act(sheet);
            sheet.Ok();
            return sheet.result();
        }));
    }
    static void click(CQuorrelinOptions& sheet, int dialogId, int id) {
        for (int i = 0; i < sheet.PageCount(); ++i)
            if (sheet.Page(i)->DialogId() == dialogId) {
                ASSERT_TRUE(sheet.SelectPage(i));
                sheet.Page(i)->ControlAs<QAbstractButton>(id)->click();
                return;
            }
        ADD_FAILURE() << "no page " << dialogId;
    }
};

TEST_F(OptionsFrameTest, TheOptionsCommandAppliesTheChangesToTheWindowAtOnce) {
    auto frame = makeFrame();
    frame->show();
    ASSERT_TRUE(frame->WindowBar()->options().flat);
    ASSERT_TRUE(host->router.stateOf(cmd::Options).isEnabled());
    ASSERT_FALSE(frame->AddressBar()->GoButton()->isHidden());
    int pages = 0;
    answerSheet([&pages](CQuorrelinOptions& sheet) {
        pages = sheet.PageCount();
        click(sheet, 106, 10053);  // Go button
        click(sheet, 165, 10057);  // flat tabs
        click(sheet, 204, 10143);  // close buttons on tabs
    });
    EXPECT_TRUE(host->router.dispatch(cmd::Options));
    EXPECT_EQ(pages, 6);
    EXPECT_FALSE(frame->WindowBar()->options().flat);
    EXPECT_FALSE(frame->WindowBar()->options().closeButton);
    EXPECT_TRUE(frame->AddressBar()->GoButton()->isHidden());
    EXPECT_EQ(settingsKey().readDword(QStringLiteral("UseFlatTab")), 0u);
    EXPECT_EQ(settingsKey().readDword(QStringLiteral("ShowGoButton")), 0u);
}

TEST_F(OptionsFrameTest, MoreOptionsShowsOnlyTheWindowsPage) {
    auto frame = makeFrame();
    QList<int> pages;
    answerSheet([&pages](CQuorrelinOptions& sheet) {
        for (int i = 0; i < sheet.PageCount(); ++i)
            pages << sheet.Page(i)->DialogId();
        click(sheet, 165, 10131); // single-line tabs off
    });
    EXPECT_TRUE(host->router.stateOf(cmd::WindowBarMoreOptions).isEnabled());
    EXPECT_TRUE(host->router.dispatch(cmd::WindowBarMoreOptions));
    EXPECT_EQ(pages, QList<int>({165}));
    EXPECT_FALSE(frame->WindowBar()->options().singleLine);
    EXPECT_EQ(host->settings.UseSingleLineTabs, 0);
    EXPECT_EQ(host->settings.FixedTabWidthType, 0);
}

TEST_F(OptionsFrameTest, TheSearchHookIsRegisteredOnlyWhereItCanBe) {
    auto frame = makeFrame();
    QList<bool> calls;
    frame->SettingsApplier().SetSearchHookRegistrar([&calls](bool enable) { calls << enable; });
    for (int state : {-1, 1, 0}) {
        host->settings.SearchHook = state;
        frame->ApplySettings(4);
    }
    EXPECT_EQ(calls, QList<bool>({true, false}));
}

TEST_F(OptionsFrameTest, AddingAPageNeedsAWindowAndKeepsTheCommandAtOnce) {
    auto frame = makeFrame();
    EXPECT_FALSE(host->router.stateOf(cmd::AddToQuickCommands).isEnabled());
    EXPECT_FALSE(host->router.stateOf(cmd::TabAddToQuickCommands).isEnabled());

    host->settings.QuickCommands = {{QuickCommand::Search, QStringLiteral("Google"),
                                     QStringLiteral("gs"), QStringLiteral("http://g.example/%s")}};
    CQuickCommandCommands add(*frame, host->settings, {}, {});
    const QString longTitle(80, QLatin1Char('t'));
    QStringList seen;
    const auto answer = [&seen](const QString& word) {
        DialogRunner::instance().push(ScriptedAnswer::acting([&seen, word](QDialog& dialog) {
            auto& edit = dynamic_cast<CQuickCommandDialog&>(dialog);
            seen << edit.TitleEdit()->text().left(3) + QString::number(edit.TitleEdit()->text().size()) +
                        QLatin1Char(' ') + edit.CommandEdit()->text() + QLatin1Char(' ') +
                        edit.UrlEdit()->text();
            edit.CommandEdit()->setText(word);
            edit.accept();
            return edit.result();
        }));
    };
    answer(QStringLiteral("GS"));
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(add.AddPage({longTitle, QStringLiteral("http://page.example/")}));
    ASSERT_EQ(DialogRunner::instance().history().size(), 2u);
    EXPECT_EQ(DialogRunner::instance().history().back().text,
              QStringLiteral("另一个快速命令正在使用命令 \"GS\" ，请稍后重试。"));
    answer(QStringLiteral("pg"));
    EXPECT_TRUE(add.AddPage({longTitle, QStringLiteral("http://page.example/")}));
    EXPECT_EQ(seen, QStringList(2, QStringLiteral("ttt64  http://page.example/")));

    QList<QuickCommand> stored;
    LoadQuickCommands(&stored);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[1], QuickCommand({QuickCommand::Open, QString(64, QLatin1Char('t')),
                                       QStringLiteral("pg"), QStringLiteral("http://page.example/")}));
}

} // namespace
