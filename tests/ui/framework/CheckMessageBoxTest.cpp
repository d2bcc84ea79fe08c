#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "res/StringIds.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using IconKind = CCheckMessageBox::IconKind;

class CheckMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner().reset();
        runner().setMode(DialogRunner::Mode::Scripted);
        runner().setUnscriptedHandler([this](const DialogRunner::Record& record) {
            scriptProblems << record.text;
            return -1;
        });
        CCheckMessageBox::setSoundPlayer([this](IconKind kind) { sounds.push_back(kind); });
    }
    void TearDown() override {
        CCheckMessageBox::setSoundPlayer({});
        runner().reset();
    }
    static DialogRunner& runner() { return DialogRunner::instance(); }

    // Runs box for real (shown offscreen); user acts on it once it is up.
    int runLive(CCheckMessageBox& box, std::function<void()> user) {
        runner().setMode(DialogRunner::Mode::Interactive);
        QTimer::singleShot(0, &box, [&box, user] {
            EXPECT_TRUE(box.isVisible());
            user();
            if (box.isVisible()) // a forgotten close must not hang the test
                QTimer::singleShot(0, &box, [&box] { box.done(-99); });
        });
        const int result = box.DoModal();
        runner().setMode(DialogRunner::Mode::Scripted);
        return result;
    }

    std::vector<IconKind> sounds;
    QStringList scriptProblems;
};

QList<int> visibleButtons(const CCheckMessageBox& box) {
    QList<int> ids;
    for (int id : {IDOK, IDYES, IDNO, IDCANCEL})
        if (!box.button(id)->isHidden())
            ids << id;
    return ids;
}

TEST_F(CheckMessageBoxTest, ButtonTypeChoosesTheButtons) {
    const QList<int> yesNo{IDYES, IDNO};
    const QList<int> yesNoCancel{IDYES, IDNO, IDCANCEL};
    const QList<int> ok{IDOK};
    const struct {
        unsigned style;
        QList<int> buttons;
    } cases[] = {
        {MB_OK, ok},
        {MB_OKCANCEL, yesNoCancel},
        {MB_ABORTRETRYIGNORE, yesNoCancel},
        {MB_YESNOCANCEL, yesNoCancel},
        {MB_YESNO, yesNo},
        {MB_RETRYCANCEL, yesNo},
        {0x8, ok},
        {MB_YESNO | MB_ICONQUESTION, yesNo},
    };
    for (const auto& c : cases) {
        CCheckMessageBox box(nullptr, "text", c.style);
        EXPECT_EQ(visibleButtons(box), c.buttons) << "style " << c.style;
        EXPECT_EQ(box.shownButtons(), c.buttons);
    }
}

TEST_F(CheckMessageBoxTest, IconBitsChooseTheIconAndItsSound) {
    const struct {
        unsigned style;
        IconKind kind;
    } cases[] = {
        {MB_OK, IconKind::Application},
        {MB_ICONSTOP, IconKind::Stop},
        {MB_YESNO | MB_ICONQUESTION, IconKind::Question},
        {MB_ICONEXCLAMATION, IconKind::Exclamation},
        {MB_ICONINFORMATION, IconKind::Information},
        {0x50, IconKind::Application},
    };
    for (const auto& c : cases) {
        CCheckMessageBox box(nullptr, "text", c.style);
        EXPECT_EQ(box.iconKind(), c.kind) << "style " << c.style;
        EXPECT_FALSE(box.iconLabel()->pixmap().isNull());
    }

    // Showing plays the sound of a system icon; the application icon is silent.
    CCheckMessageBox question(nullptr, "你想退出 Quorrelin 吗？", 0x24, true);
    runLive(question, [&] { question.button(IDYES)->click(); });
    CCheckMessageBox plain(nullptr, "版本：2.0", 0);
    runLive(plain, [&] { plain.button(IDOK)->click(); });
    EXPECT_EQ(sounds, std::vector<IconKind>{IconKind::Question});
}

TEST_F(CheckMessageBoxTest, ButtonsAreLaidOutFromTheRightTenDialogUnitsApart) {
    CCheckMessageBox box(nullptr, "你要关闭所有窗口？", MB_YESNOCANCEL | MB_ICONQUESTION, true);
    box.show();
    const QRect yes = box.button(IDYES)->geometry();
    const QRect no = box.button(IDNO)->geometry();
    const QRect cancel = box.button(IDCANCEL)->geometry();
    EXPECT_GT(box.buttonSpacing(), 0);
    EXPECT_EQ(no.left() - yes.right() - 1, box.buttonSpacing());
    EXPECT_EQ(cancel.left() - no.right() - 1, box.buttonSpacing());
    EXPECT_EQ(yes.top(), cancel.top());
    // Cancel is the rightmost, at the dialog's right margin.
    EXPECT_LT(box.width() - cancel.right(), 3 * box.buttonSpacing());

    CCheckMessageBox ok(nullptr, "文本", MB_OK);
    ok.show();
    EXPECT_EQ(ok.width() - ok.button(IDOK)->geometry().right(), box.width() - cancel.right());
}

TEST_F(CheckMessageBoxTest, EscapeFollowsTheButtonsShown) {
    CCheckMessageBox yesNo(nullptr, "q", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(runLive(yesNo, [&] { QTest::keyClick(&yesNo, Qt::Key_Escape); }), IDNO);

    CCheckMessageBox yesNoCancel(nullptr, "q", MB_YESNOCANCEL);
    EXPECT_EQ(runLive(yesNoCancel, [&] { QTest::keyClick(&yesNoCancel, Qt::Key_Escape); }),
              IDCANCEL);

    CCheckMessageBox okOnly(nullptr, "e", MB_OK | MB_ICONEXCLAMATION);
    bool stillOpen = false;
    EXPECT_EQ(runLive(okOnly,
                      [&] {
                          QTest::keyClick(&okOnly, Qt::Key_Escape);
                          okOnly.close(); // the title bar's close button
                          stillOpen = okOnly.isVisible();
                          okOnly.button(IDOK)->click();
                      }),
              IDOK);
    EXPECT_TRUE(stillOpen);
}

TEST_F(CheckMessageBoxTest, CheckBoxGivesTheShowAgainFlag) {
    CCheckMessageBox ticked(nullptr, sid::ConfirmCloseAll, 0x24, true);
    EXPECT_EQ(runLive(ticked,
                      [&] {
                          QTest::mouseClick(ticked.checkBox(), Qt::LeftButton);
                          QTest::keyClick(&ticked, Qt::Key_Escape);
                      }),
              IDNO);
    EXPECT_EQ(ticked.showAgain(), 0);

    CCheckMessageBox unticked(nullptr, sid::ConfirmCloseAll, 0x24, true);
    EXPECT_EQ(runLive(unticked, [&] { unticked.button(IDYES)->click(); }), IDYES);
    EXPECT_EQ(unticked.showAgain(), 1);
}

TEST_F(CheckMessageBoxTest, TextsTitleAndCheckBox) {
    CCheckMessageBox box(nullptr, sid::ConfirmCloseAll, 0x24, true);
    EXPECT_EQ(box.messageLabel()->text(), "你要关闭所有窗口？");
    EXPECT_EQ(box.windowTitle(), "Quorrelin");
    EXPECT_EQ(box.checkBox()->text(), "下次不再显示这个对话框(&D)");
    EXPECT_FALSE(box.checkBox()->isHidden());
    EXPECT_EQ(box.button(IDYES)->text(), "是(&Y)");
    EXPECT_EQ(box.button(IDNO)->text(), "否(&N)");
    EXPECT_TRUE(box.button(IDYES)->isDefault());

    CCheckMessageBox custom(nullptr, "该命令将更新你所有的脱机文件夹。你想继续吗？", 0x24, true,
                            "同步", QIcon(), "启动时不执行这项检测(&D)");
    EXPECT_EQ(custom.windowTitle(), "同步");
    EXPECT_EQ(custom.checkBox()->text(), "启动时不执行这项检测(&D)");

    // Messages are shown as plain text, whatever an address or title holds.
    CCheckMessageBox plain(nullptr, "<b>\"%address%\"</b>", MB_OK);
    EXPECT_EQ(plain.messageLabel()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(plain.checkBox()->isHidden());
    EXPECT_EQ(plain.button(IDOK)->text(), "确定(&O)");
}

TEST_F(CheckMessageBoxTest, QuestionAnsweredNoWithTheBoxTickedStoresZeroAndReturnsNo) {
    // Through the real dialog...
    int confirmCloseAll = 1;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<CCheckMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->checkBox()->setChecked(true);
        box->button(IDNO)->click();
    });
    runner().setMode(DialogRunner::Mode::Interactive);
    const int live =
        CCheckMessageBox::AskAndStore(nullptr, sid::ConfirmCloseAll, 0x24, confirmCloseAll);
    runner().setMode(DialogRunner::Mode::Scripted);
    EXPECT_EQ(live, IDNO);
    EXPECT_EQ(confirmCloseAll, 0);

    // ...and through a scripted answer.
    int confirmExit = 1;
    runner().push(ScriptedAnswer::button(IDNO, true));
    EXPECT_EQ(CCheckMessageBox::AskAndStore(nullptr, sid::ConfirmExit, 0x24, confirmExit), IDNO);
    EXPECT_EQ(confirmExit, 0);
    ASSERT_EQ(runner().history().size(), 2u);
    EXPECT_EQ(runner().history()[1].text, "你想退出 Quorrelin 吗？");
    EXPECT_TRUE(scriptProblems.isEmpty());
}

TEST_F(CheckMessageBoxTest, ConfirmAsksOnlyWhileTheSettingIsOn) {
    int setting = 0;
    EXPECT_TRUE(CCheckMessageBox::Confirm(nullptr, sid::ConfirmSynchronize, setting));
    EXPECT_TRUE(runner().history().empty());

    setting = 1;
    runner().push(ScriptedAnswer::button(IDYES, false));
    runner().push(ScriptedAnswer::escape());
    EXPECT_TRUE(CCheckMessageBox::Confirm(nullptr, sid::ConfirmSynchronize, setting, "同步"));
    EXPECT_EQ(setting, 1);
    EXPECT_FALSE(CCheckMessageBox::Confirm(nullptr, sid::ConfirmSynchronize, setting));
    EXPECT_EQ(setting, 1);
    EXPECT_EQ(runner().history()[0].title, "同步");
    EXPECT_EQ(sounds, (std::vector<IconKind>{IconKind::Question, IconKind::Question}));
}

TEST_F(CheckMessageBoxTest, ScriptedAnswersTheBoxCannotTakeAreReported) {
    runner().push(ScriptedAnswer::button(IDCANCEL));
    CCheckMessageBox yesNo(nullptr, "q", MB_YESNO);
    EXPECT_EQ(yesNo.DoModal(), -1);

    runner().push(ScriptedAnswer::escape());
    CCheckMessageBox okOnly(nullptr, "e", MB_OK);
    EXPECT_EQ(okOnly.DoModal(), -1);

    runner().push(ScriptedAnswer::button(IDOK, true));
    CCheckMessageBox noCheckBox(nullptr, "e", MB_OK);
    EXPECT_EQ(noCheckBox.DoModal(), -1);

    ASSERT_EQ(scriptProblems.size(), 3);
    EXPECT_TRUE(scriptProblems[0].contains("no button 2"));
}

} // namespace
