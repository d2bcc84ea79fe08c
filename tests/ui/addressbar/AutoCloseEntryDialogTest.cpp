#include "app/CCheckMessageBox.h"
#include "browser/CAutoCloseEntryDialog.h"
#include "framework/DialogRunner.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class AutoCloseEntryDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        CCheckMessageBox::setSoundPlayer([](CCheckMessageBox::IconKind) {});
    }
    void TearDown() override {
        EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
        DialogRunner::instance().reset();
        CCheckMessageBox::setSoundPlayer({});
    }

    // The states of 10037, 10038 and OK: enabled, checked.
    static QString controls(const CAutoCloseEntryDialog& d) {
        const auto mark = [](const QAbstractButton* b) {
            return QString(b->isEnabled() ? "e" : "-") + (b->isChecked() ? "x" : ".");
        };
        return mark(d.WildcardBox()) + ' ' + mark(d.EnabledBox()) + ' ' +
               (d.OkButton()->isEnabled() ? "ok" : "--");
    }
};

TEST_F(AutoCloseEntryDialogTest, OpensFromTheEntryAsStored) {
    CAutoCloseEntryDialog empty(nullptr, QString(), false);
    EXPECT_EQ(empty.windowTitle(), QStringLiteral("自动关闭"));
    EXPECT_EQ(controls(empty), QStringLiteral("-. -x --"));
    EXPECT_TRUE(empty.DontShowBox()->isHidden());

    CAutoCloseEntryDialog disabledPrefix(nullptr, QStringLiteral("!http://ads.example/*"), true);
    EXPECT_EQ(disabledPrefix.AddressEdit()->text(), QStringLiteral("http://ads.example/*"));
    EXPECT_EQ(controls(disabledPrefix), QStringLiteral("ex e. ok"));
    EXPECT_FALSE(disabledPrefix.DontShowBox()->isHidden());
    EXPECT_EQ(disabledPrefix.Entry(), QStringLiteral("!http://ads.example/*"));

    // Only a final '*' is the wildcard.
    CAutoCloseEntryDialog exact(nullptr, QStringLiteral("http://a*b.example/"), false);
    EXPECT_EQ(controls(exact), QStringLiteral("e. ex ok"));
    EXPECT_EQ(exact.findChild<QLineEdit*>(QStringLiteral("10036")), exact.AddressEdit());
}

TEST_F(AutoCloseEntryDialogTest, TypingAndTheWildcardBoxKeepEachOtherInStep) {
    CAutoCloseEntryDialog dialog(nullptr, QStringLiteral("http://x.example/"), false);
    QLineEdit* edit = dialog.AddressEdit();
    edit->setText(QStringLiteral("http://x.example/*"));
    EXPECT_EQ(controls(dialog), QStringLiteral("ex ex ok"));
    edit->clear();
    EXPECT_EQ(controls(dialog), QStringLiteral("-x -x --"));
    edit->setText(QStringLiteral("http://y.example/**"));
    dialog.WildcardBox()->click(); // clears: every trailing '*' goes
    EXPECT_EQ(edit->text(), QStringLiteral("http://y.example/"));
    EXPECT_EQ(controls(dialog), QStringLiteral("e. ex ok"));
    dialog.WildcardBox()->click(); // ticks: one '*'
    EXPECT_EQ(edit->text(), QStringLiteral("http://y.example/*"));
    dialog.EnabledBox()->click();
    EXPECT_EQ(dialog.Entry(), QStringLiteral("!http://y.example/*"));
}

TEST_F(AutoCloseEntryDialogTest, OkRefusesAnAddressTheListHoldsAndStaysOpen) {
    QList<QPair<QString, int>> asked;
    const auto check = [&asked](const QString& address, int index) {
        asked.append({address, index});
        return address.compare(QStringLiteral("http://taken.example/"), Qt::CaseInsensitive) == 0;
    };
    CAutoCloseEntryDialog dialog(nullptr, QStringLiteral("!http://TAKEN.example/"), false, check,
                                 3);
    DialogRunner& runner = DialogRunner::instance();
    runner.push(ScriptedAnswer::button(IDOK)); // the entry dialog
    runner.push(ScriptedAnswer::button(IDOK)); // message 51469
    EXPECT_EQ(runner.exec(dialog), QDialog::Rejected);
    EXPECT_EQ(
        runner.history().back().text,
        QStringLiteral("\"http://TAKEN.example/\"已经存在于地址列表中，请输入一个不同的地址。"));
    EXPECT_EQ(asked, (QList<QPair<QString, int>>{{QStringLiteral("http://TAKEN.example/"), 3}}));

    ScriptedAnswer other = ScriptedAnswer::button(IDOK);
    other.text = QStringLiteral("http://free.example/");
    runner.push(other);
    EXPECT_EQ(runner.exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.Entry(), QStringLiteral("!http://free.example/"));
}

TEST_F(AutoCloseEntryDialogTest, TheShowAgainResultIsTheOppositeOfTheBox) {
    CAutoCloseEntryDialog dialog(nullptr, QStringLiteral("http://a.example/"), true);
    EXPECT_TRUE(dialog.ShowAgain());
    DialogRunner::instance().push(ScriptedAnswer::button(IDCANCEL, true));
    EXPECT_EQ(DialogRunner::instance().exec(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.ShowAgain());
}

} // namespace
