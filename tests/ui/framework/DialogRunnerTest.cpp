#include "framework/DialogRunner.h"
#include "framework/WaitCursor.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class DialogRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner().reset();
        runner().setMode(DialogRunner::Mode::Scripted);
    }
    void TearDown() override {
        runner().reset();
        runner().setMode(DialogRunner::Mode::Scripted);
    }
    static DialogRunner& runner() { return DialogRunner::instance(); }
};

TEST_F(DialogRunnerTest, OffscreenTestsAreScriptedUnlessToldOtherwise) {
    runner().reset();
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_EQ(runner().mode(), DialogRunner::Mode::Scripted);
    QDialog dialog;
    runner().push(ScriptedAnswer::button(QDialog::Accepted));
    EXPECT_EQ(runner().exec(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());

    runner().setMode(DialogRunner::Mode::Interactive);
    EXPECT_FALSE(runner().isScripted());
    runner().reset();
    EXPECT_TRUE(runner().isScripted());
}

TEST_F(DialogRunnerTest, AnswersForAProgramProcessAreReadFromText) {
    const std::vector<ScriptedAnswer> answers =
        DialogRunner::parseAnswers(" 6 ;7+;1-;esc;file:/tmp/a b.ini;nofile;;yes;file:");
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(answers[0].result, 6);
    EXPECT_FALSE(answers[0].checked.has_value());
    EXPECT_EQ(answers[1].result, 7);
    EXPECT_EQ(answers[1].checked, true);
    EXPECT_EQ(answers[2].checked, false);
    EXPECT_EQ(answers[3].result, ScriptedAnswer::Escape);
    EXPECT_EQ(answers[4].path, QString("/tmp/a b.ini"));
    EXPECT_FALSE(answers[5].path.has_value());
}

TEST_F(DialogRunnerTest, AnswersAreTakenInOrderAndRunsAreRecorded) {
    QDialog first;
    first.setWindowTitle("first");
    QDialog second;
    second.setWindowTitle("second");
    runner().push(ScriptedAnswer::button(QDialog::Rejected));
    runner().push(ScriptedAnswer::button(42));
    EXPECT_EQ(runner().pendingAnswers(), 2);

    EXPECT_EQ(runner().exec(first), QDialog::Rejected);
    EXPECT_EQ(runner().exec(second), 42);
    EXPECT_EQ(second.result(), 42);
    EXPECT_EQ(runner().pendingAnswers(), 0);
    ASSERT_EQ(runner().history().size(), 2u);
    EXPECT_EQ(runner().history()[0].title, "first");
    EXPECT_EQ(runner().history()[1].kind, "dialog");
    EXPECT_EQ(runner().history()[1].text, "QDialog");
}

TEST_F(DialogRunnerTest, ActingAnswerDrivesTheRealDialog) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    QObject::connect(edit, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
    runner().push(ScriptedAnswer::acting([](QDialog& d) {
        auto* field = d.findChild<QLineEdit*>();
        field->setText("gs");
        emit field->returnPressed();
        return d.result();
    }));
    EXPECT_EQ(runner().exec(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), "gs");
}

TEST_F(DialogRunnerTest, TypedTextAndCheckBoxStateFillAPlainDialog) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QLineEdit;
    auto* box = new QCheckBox("在新窗口打开(&D)");
    layout->addWidget(edit);
    layout->addWidget(box);
    ScriptedAnswer answer = ScriptedAnswer::button(QDialog::Accepted, true);
    answer.text = "www.example.org";
    runner().push(answer);

    EXPECT_EQ(runner().exec(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), "www.example.org");
    EXPECT_TRUE(box->isChecked());

    // A dialog without such a field cannot take the answer: reported.
    int problems = 0;
    runner().setUnscriptedHandler([&](const DialogRunner::Record&) {
        ++problems;
        return -1;
    });
    QDialog bare;
    runner().push(answer);
    EXPECT_EQ(runner().exec(bare), -1);
    EXPECT_EQ(problems, 1);
}

TEST_F(DialogRunnerTest, UnscriptedDialogGoesToTheHandlerInsteadOfBlocking) {
    std::vector<DialogRunner::Record> seen;
    runner().setUnscriptedHandler([&](const DialogRunner::Record& record) {
        seen.push_back(record);
        return -7;
    });
    QDialog dialog;
    dialog.setWindowTitle("Quorrelin");
    EXPECT_EQ(runner().exec(dialog), -7);
    EXPECT_EQ(runner().chooseFile({}), std::nullopt);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, "Quorrelin");
    EXPECT_EQ(seen[1].kind, "file");
}

TEST_F(DialogRunnerTest, FileDialogsReturnTheScriptedPathOrNothing) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.caption = "导出快捷组";
    request.nameFilters = {"LinkGroups Files(*.ini)"};
    runner().push(ScriptedAnswer::file("/tmp/LinkGroups.ini"));
    runner().push(ScriptedAnswer::cancelFile());

    EXPECT_EQ(runner().chooseFile(request), QString("/tmp/LinkGroups.ini"));
    EXPECT_EQ(runner().chooseFile(request), std::nullopt);
    ASSERT_EQ(runner().history().size(), 2u);
    EXPECT_EQ(runner().history()[0].title, "导出快捷组");
}

TEST_F(DialogRunnerTest, FileDialogPanelsCanBeDrivenByTheScript) {
    bool exportAll = false;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.defaultSuffix = "ini";
    request.customize = [&](QFileDialog& dialog) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* all = new QCheckBox("所有快捷组(&L)", &dialog);
        all->setObjectName("10104");
        QObject::connect(all, &QCheckBox::toggled, [&](bool on) { exportAll = on; });
    };
    ScriptedAnswer answer = ScriptedAnswer::acting([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("10104")->setChecked(true);
        return int(QDialog::Accepted);
    });
    answer.path = "/tmp/out.ini";
    runner().push(answer);

    EXPECT_EQ(runner().chooseFile(request), QString("/tmp/out.ini"));
    EXPECT_TRUE(exportAll);
}

TEST_F(DialogRunnerTest, InteractiveRunShowsTheDialogWithTheNormalArrow) {
    runner().setMode(DialogRunner::Mode::Interactive);
    WaitCursor wait;
    QDialog dialog;
    bool wasVisible = false;
    Qt::CursorShape shape = Qt::WaitCursor;
    QTimer::singleShot(0, &dialog, [&] {
        wasVisible = dialog.isVisible();
        shape = QGuiApplication::overrideCursor()->shape();
        dialog.done(3);
    });
    EXPECT_EQ(runner().exec(dialog), 3);
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(shape, Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

} // namespace
