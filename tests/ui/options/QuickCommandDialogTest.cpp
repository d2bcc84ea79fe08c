#include "OptionsFixture.h"

#include "quickcommands/CQuickCommandDialog.h"
#include "quickcommands/PredefinedQuickCommands.h"
#include "quickcommands/QuickCommandTranslation.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class QuickCommandDialogTest : public OptionsFixture {
protected:
    QuickCommand gs{QuickCommand::Search, QStringLiteral("Google"), QStringLiteral("gs"),
                    QStringLiteral("http://g.example/?q=%s")};
    QList<QuickCommand> list{gs};
    CQuickCommandDialog::DuplicateCheck inUse = [this](const QString& command,
                                                        const QString& except) {
        ++checks;
        return IsQuickCommandInUse(list, command, except);
    };
    int checks = 0;
    int showHelp = 1;
};

TEST_F(QuickCommandDialogTest, OpensWithTheRecordTheLimitsAndThePredefinedTable) {
    CQuickCommandDialog dialog(nullptr, gs, inUse, gs.Command, showHelp);
    EXPECT_EQ(dialog.TitleEdit()->text(), QStringLiteral("Google"));
    EXPECT_EQ(dialog.CommandEdit()->text(), QStringLiteral("gs"));
    EXPECT_EQ(dialog.TypeBox()->currentText(), QStringLiteral("Search"));
    EXPECT_EQ(dialog.UrlEdit()->text(), gs.URL);
    EXPECT_EQ(dialog.TitleEdit()->maxLength(), 64);
    EXPECT_EQ(dialog.CommandEdit()->maxLength(), 32);
    EXPECT_EQ(dialog.UrlEdit()->maxLength(), 4096);
    EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("10130")), dialog.PredefinedBox());
    QStringList titles;
    for (int i = 0; i < dialog.PredefinedBox()->count(); ++i)
        titles << dialog.PredefinedBox()->itemText(i);
    EXPECT_EQ(titles, QStringList({"Google Search", "Yahoo! Search", "Lycos Search",
                                   "AltaVista Search", "InfoSeek Search", "MSN Search", "ZDNet",
                                   "CNN"}));
    for (const QuickCommand& entry : PredefinedQuickCommands()) {
        EXPECT_TRUE(entry.URL.startsWith(QStringLiteral("http://"))) << entry.Title.toStdString();
        EXPECT_EQ(entry.URL.contains(QStringLiteral("%s")), entry.Type == QuickCommand::Search);
    }
}

TEST_F(QuickCommandDialogTest, APredefinedChoiceOverwritesAllFourFields) {
    QuickCommand typed{QuickCommand::Search, QStringLiteral("Mine"), QStringLiteral("m"),
                       QStringLiteral("http://mine.example/%s")};
    CQuickCommandDialog dialog(nullptr, typed, inUse, QString(), showHelp);
    dialog.PredefinedBox()->setCurrentIndex(7);
    emit dialog.PredefinedBox()->activated(7);
    EXPECT_EQ(dialog.TitleEdit()->text(), QStringLiteral("CNN"));
    EXPECT_EQ(dialog.CommandEdit()->text(), QStringLiteral("cnn"));
    EXPECT_EQ(dialog.TypeBox()->currentIndex(), 0);
    EXPECT_EQ(dialog.UrlEdit()->text(), QStringLiteral("http://www.cnn.com/"));
}

TEST_F(QuickCommandDialogTest, OkRefusesMissingTextsBlanksAndWordsInUse) {
    QuickCommand record;
    CQuickCommandDialog dialog(nullptr, record, inUse, QString(), showHelp);
    dialog.CommandEdit()->setText(QStringLiteral("x"));
    dialog.UrlEdit()->setText(QStringLiteral("http://x.example/"));
    dialog.TitleEdit()->setText(QStringLiteral("   "));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.TitleEdit()->setText(QStringLiteral("  Site  "));
    dialog.CommandEdit()->setText(QStringLiteral("g s"));
    expectMessage();
    dialog.accept();
    dialog.CommandEdit()->setText(QStringLiteral("GS"));
    expectMessage();
    dialog.accept();
    EXPECT_EQ(shownMessages(), QStringList({"命令必须是单个单词，不允许空格。",
                                     "另一个快速命令正在使用命令 \"GS\" ，请稍后重试。"}));
    dialog.CommandEdit()->setText(QStringLiteral(" site "));
    dialog.UrlEdit()->clear();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.UrlEdit()->setText(QStringLiteral(" http://site.example/ "));
    dialog.TypeBox()->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Record(), QuickCommand({QuickCommand::Search, QStringLiteral("Site"),
                                             QStringLiteral("site"),
                                             QStringLiteral("http://site.example/")}));
}

TEST_F(QuickCommandDialogTest, EditingKeepsItsOwnWordAndCancelChangesNothing) {
    QuickCommand record = gs;
    DialogRunner::instance().push(ScriptedAnswer::acting([](QDialog& dialog) {
        auto& edit = dynamic_cast<CQuickCommandDialog&>(dialog);
        edit.TitleEdit()->setText(QStringLiteral("Google web"));
        edit.accept();
        return edit.result();
    }));
    EXPECT_TRUE(CQuickCommandDialog::Edit(nullptr, record, inUse, gs.Command, showHelp));
    EXPECT_EQ(record.Title, QStringLiteral("Google web"));
    EXPECT_EQ(record.Command, QStringLiteral("gs"));

    DialogRunner::instance().push(ScriptedAnswer::acting([](QDialog& dialog) {
        auto& edit = dynamic_cast<CQuickCommandDialog&>(dialog);
        edit.TitleEdit()->setText(QStringLiteral("changed"));
        edit.reject();
        return edit.result();
    }));
    const QuickCommand kept = record;
    EXPECT_FALSE(CQuickCommandDialog::Edit(nullptr, record, inUse, gs.Command, showHelp));
    EXPECT_EQ(record, kept);
}

TEST_F(QuickCommandDialogTest, TheHelpButtonShowsOrHidesTheHelpAndIsRemembered) {
    showHelp = 0;
    CQuickCommandDialog dialog(nullptr, gs, inUse, QString(), showHelp);
    EXPECT_TRUE(dialog.HelpText()->isHidden());
    EXPECT_TRUE(dialog.HelpToggle()->text().contains(QStringLiteral(">>")));
    EXPECT_FALSE(dialog.HelpText()->toPlainText().isEmpty());
    dialog.HelpToggle()->click();
    EXPECT_EQ(showHelp, 1);
    EXPECT_FALSE(dialog.HelpText()->isHidden());
    EXPECT_TRUE(dialog.HelpToggle()->text().contains(QStringLiteral("<<")));
    dialog.HelpToggle()->click();
    EXPECT_EQ(showHelp, 0);
    EXPECT_TRUE(dialog.HelpText()->isHidden());
}

} // namespace
