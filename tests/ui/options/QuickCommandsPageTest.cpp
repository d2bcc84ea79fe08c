#include "OptionsFixture.h"

#include "quickcommands/CQuickCommandDialog.h"
#include "quickcommands/CQuickCommandsPage.h"
#include "quickcommands/QuickCommandStore.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class QuickCommandsPageTest : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        settings.QuickCommands = {
            {QuickCommand::Search, QStringLiteral("Google"), QStringLiteral("gs"),
             QStringLiteral("http://g.example/?q=%s")},
            {QuickCommand::Open, QStringLiteral("News"), QStringLiteral("nw"),
             QStringLiteral("http://news.example/")},
        };
    }

    CQuickCommandsPage* open(CQuorrelinOptions& sheet) {
        return static_cast<CQuickCommandsPage*>(show(sheet, CQuickCommandsPage::DialogId));
    }
    static QStringList rows(const CQuickCommandsPage* page) {
        QStringList texts;
        QTreeWidget* list = page->List();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList row;
            for (int column = 0; column < 4; ++column)
                row << list->topLevelItem(i)->text(column);
            texts << row.join(QLatin1Char('|'));
        }
        return texts;
    }
    static QString commands(const QList<QuickCommand>& list) {
        QStringList words;
        for (const QuickCommand& record : list)
            words << record.Command;
        return words.join(QLatin1Char(' '));
    }
    // Answers the quick-command dialog: fill sets its fields, then OK.
    static void answerDialog(std::function<void(CQuickCommandDialog&)> fill) {
        DialogRunner::instance().push(ScriptedAnswer::acting([fill](QDialog& dialog) {
            auto& edit = dynamic_cast<CQuickCommandDialog&>(dialog);
            fill(edit);
            edit.accept();
            return edit.result();
        }));
    }
    static void answerYes() { DialogRunner::instance().push(ScriptedAnswer::button(IDYES)); }
    static QPushButton* button(CQuickCommandsPage* page, const char* name) {
        return page->findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

TEST_F(QuickCommandsPageTest, ShowsTheCommandsAndTheSearchHookState) {
    hookState = -1;
    CQuorrelinOptions sheet(nullptr, settings, environment);
    CQuickCommandsPage* page = open(sheet);
    QTreeWidget* list = page->List();
    EXPECT_EQ(list->objectName(), QStringLiteral("10114"));
    QStringList headers;
    for (int column = 0; column < 4; ++column)
        headers << QStringLiteral("%1 %2").arg(list->headerItem()->text(column)).arg(list->columnWidth(column));
    headers.last().chop(4); // the last column takes what is left, at least its width
    EXPECT_EQ(headers, QStringList({"标题 80", "命令 60", "类型 60", "链接"}));
    EXPECT_GE(list->columnWidth(3), 200);
    EXPECT_EQ(rows(page), QStringList({"Google|gs|查找|http://g.example/?q=%s",
                                       "News|nw|打开|http://news.example/"}));
    EXPECT_FALSE(checked(page, 10141));
    EXPECT_FALSE(enabled(page, 10141));
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(settings.SearchHook, -1);

    for (int state : {0, 1}) {
        hookState = state;
        CQuorrelinOptions again(nullptr, settings, environment);
        CQuickCommandsPage* hookPage = open(again);
        EXPECT_TRUE(enabled(hookPage, 10141));
        EXPECT_EQ(checked(hookPage, 10141), state == 1);
        click(hookPage, 10141);
        EXPECT_TRUE(hookPage->IsModified());
        EXPECT_TRUE(again.Ok());
        EXPECT_EQ(settings.SearchHook, 1 - state);
        EXPECT_EQ(reapplied.last(), QList<int>({0, 4})); // the first page is always shown
    }
}

TEST_F(QuickCommandsPageTest, NewEditDeleteAndMoveChangeOnlyThePagesList) {
    CQuorrelinOptions sheet(nullptr, settings, environment);
    CQuickCommandsPage* page = open(sheet);
    EXPECT_FALSE(enabled(page, 10042));
    EXPECT_FALSE(enabled(page, 10041));

    // New from the predefined table.
    answerDialog([](CQuickCommandDialog& dialog) {
        EXPECT_TRUE(dialog.TitleEdit()->text().isEmpty());
        emit dialog.PredefinedBox()->activated(1);
    });
    click(page, 10045);
    EXPECT_EQ(rows(page).last(), QStringLiteral("Yahoo! Search|ys|查找|http://search.yahoo.com/bin/search?p=%s"));
    EXPECT_EQ(page->SelectedRows(), QList<int>({2}));
    EXPECT_TRUE(enabled(page, 10042));
    EXPECT_TRUE(page->IsModified());

    // A word another row uses is refused, in any letter case.
    answerDialog([](CQuickCommandDialog& dialog) { dialog.CommandEdit()->setText(QStringLiteral("NW")); });
    expectMessage();
    click(page, 10042);
    EXPECT_EQ(shownMessages(), QStringList({"另一个快速命令正在使用命令 \"NW\" ，请稍后重试。"}));
    EXPECT_EQ(commands(page->Commands()), QStringLiteral("gs nw ys"));

    // Editing a row may keep its own word.
    page->SelectOnly(0);
    answerDialog([](CQuickCommandDialog& dialog) { dialog.TitleEdit()->setText(QStringLiteral("G")); });
    click(page, 10042);
    EXPECT_EQ(rows(page).first(), QStringLiteral("G|gs|查找|http://g.example/?q=%s"));

    // Order decides which of two equal words wins: rows move.
    button(page, "moveDown")->click();
    EXPECT_EQ(commands(page->Commands()), QStringLiteral("nw gs ys"));
    EXPECT_EQ(page->SelectedRows(), QList<int>({1}));
    button(page, "moveUp")->click();
    button(page, "moveUp")->click(); // already first
    EXPECT_EQ(commands(page->Commands()), QStringLiteral("gs nw ys"));

    // Deleting several rows asks once and leaves Edit and Delete disabled.
    page->List()->topLevelItem(0)->setSelected(true);
    page->List()->topLevelItem(2)->setSelected(true);
    EXPECT_FALSE(enabled(page, 10042));
    EXPECT_TRUE(enabled(page, 10041));
    answerYes();
    click(page, 10041);
    EXPECT_EQ(shownMessages().last(), QStringLiteral("你想删除选定的快速命令吗？"));
    EXPECT_EQ(commands(page->Commands()), QStringLiteral("nw"));
    EXPECT_FALSE(enabled(page, 10042));
    EXPECT_FALSE(enabled(page, 10041));

    EXPECT_EQ(commands(settings.QuickCommands), QStringLiteral("gs nw"));
    EXPECT_TRUE(sheet.Ok());
    EXPECT_EQ(commands(settings.QuickCommands), QStringLiteral("nw"));
    QList<QuickCommand> stored;
    LoadQuickCommands(&stored);
    EXPECT_EQ(stored, settings.QuickCommands);
}

TEST_F(QuickCommandsPageTest, CancellingTheDialogChangesNothing) {
    CQuorrelinOptions sheet(nullptr, settings, environment);
    CQuickCommandsPage* page = open(sheet);
    DialogRunner::instance().push(ScriptedAnswer::button(IDCANCEL));
    click(page, 10045);
    page->SelectOnly(1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDCANCEL));
    click(page, 10042);
    EXPECT_EQ(page->Commands(), settings.QuickCommands);
    EXPECT_FALSE(page->IsModified());
}

TEST_F(QuickCommandsPageTest, ExportThenImportFromThePageRoundTrips) {
    const QString file = testenv::writeTestFile(QStringLiteral("QuickCommands.ini"), {});
    CQuorrelinOptions sheet(nullptr, settings, environment);
    CQuickCommandsPage* page = open(sheet);
    DialogRunner::instance().push(ScriptedAnswer::file(file));
    button(page, "export")->click();

    DialogRunner::instance().push(ScriptedAnswer::file(file));
    expectMessage();
    button(page, "import")->click();
    EXPECT_EQ(shownMessages(), QStringList({"2 快速命令已被导入。"}));
    EXPECT_EQ(page->Commands().mid(2), settings.QuickCommands);
    EXPECT_EQ(page->SelectedRows(), QList<int>({3}));
    EXPECT_EQ(settings.QuickCommands.size(), 2);

    // An empty list is not exported.
    page->List()->selectAll();
    answerYes();
    click(page, 10041);
    expectMessage();
    button(page, "export")->click();
    EXPECT_EQ(shownMessages().last(), QStringLiteral("没有定义的快速命令."));
}

} // namespace
