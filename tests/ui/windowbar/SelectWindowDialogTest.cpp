#include "BarTestSupport.h"

#include "frame/CSelectWindowDialog.h"
#include "frame/IWindowSelectionHost.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace bar_test;

namespace {

// Windows in tab order; closing follows the rule for several windows
// closed by one command: locked ones stay.
class FakeSelectionHost : public IWindowSelectionHost {
public:
    std::vector<Window> ListWindows() const override { return windows; }
    int CurrentWindowIndex() const override {
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (windows[i].handle == current)
                return static_cast<int>(i);
        return -1;
    }
    void CloseWindows(const std::vector<TabWindow>& handles) override {
        closeCalls.push_back(handles);
        for (TabWindow handle : handles) {
            const auto it = std::find_if(windows.begin(), windows.end(),
                                         [&](const Window& w) { return w.handle == handle; });
            if (it != windows.end() && !it->locked)
                windows.erase(it);
        }
        if (CurrentWindowIndex() < 0)
            current = windows.empty() ? nullptr : windows.front().handle;
    }

    std::vector<Window> windows;
    TabWindow current = nullptr;
    std::vector<std::vector<TabWindow>> closeCalls;
};

class SelectWindowDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogRunner::instance().reset();
        for (int i = 0; i < 4; ++i)
            host.windows.push_back({w[i], QStringLiteral("Page %1").arg(i), false});
        host.current = w[2];
    }
    void TearDown() override {
        EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
        DialogRunner::instance().reset();
    }
    static void select(QListWidget* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }
    static QStringList entries(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
        return texts;
    }

    Windows w;
    FakeSelectionHost host;
    int confirm = 1;
};

} // namespace

TEST_F(SelectWindowDialogTest, ListsTheTabsWithTheCurrentOneSelected) {
    host.windows[0].text.clear();
    host.windows[3].text = QString(300, QLatin1Char('x'));
    CSelectWindowDialog dialog(host, confirm);
    EXPECT_EQ(dialog.windowTitle(), "选择窗口");
    QListWidget* list = dialog.list();
    EXPECT_EQ(list->objectName(), "10055");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "未命名     ");
    EXPECT_EQ(list->item(3)->text().size(), 255);
    EXPECT_EQ(dialog.selectedRows(), std::vector<int>{2});
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.closeSelectedButton()->isEnabled());

    // A click adds an entry to the selection: OK needs exactly one.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(dialog.selectedRows(), (std::vector<int>{0, 2}));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.closeSelectedButton()->isEnabled());
    select(list, {});
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_FALSE(dialog.closeSelectedButton()->isEnabled());
    dialog.closeSelected(); // nothing selected: nothing asked, nothing closed
    EXPECT_TRUE(host.closeCalls.empty());
}

TEST_F(SelectWindowDialogTest, OkAndDoubleClickChooseTheOneSelectedEntry) {
    DialogRunner::instance().push(ScriptedAnswer::acting([&](QDialog& d) {
        auto& dialog = static_cast<CSelectWindowDialog&>(d);
        select(dialog.list(), {3});
        dialog.okButton()->click();
        return dialog.result();
    }));
    CSelectWindowDialog first(host, confirm);
    EXPECT_EQ(DialogRunner::instance().exec(first), QDialog::Accepted);
    EXPECT_EQ(first.chosenIndex(), 3);

    CSelectWindowDialog second(host, confirm);
    QListWidget* list = second.list();
    select(list, {1, 2});
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(second.result(), QDialog::Rejected); // two selected: no choice
    EXPECT_EQ(second.chosenIndex(), -1);
    select(list, {1});
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(second.result(), QDialog::Accepted);
    EXPECT_EQ(second.chosenIndex(), 1);
}

TEST_F(SelectWindowDialogTest, ClosingSelectedWindowsAsksOnceAndListsTheWindowsLeft) {
    host.windows[1].locked = true;
    CSelectWindowDialog dialog(host, confirm);
    select(dialog.list(), {0, 1, 3});
    // Yes with "do not ask again" ticked.
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    dialog.closeSelected();

    ASSERT_EQ(DialogRunner::instance().history().size(), 1u);
    EXPECT_EQ(DialogRunner::instance().history()[0].text, "你想关闭选定的窗口吗?");
    EXPECT_EQ(confirm, 0);
    // One command, from the last entry to the first.
    ASSERT_EQ(host.closeCalls.size(), 1u);
    EXPECT_EQ(host.closeCalls[0], (std::vector<TabWindow>{w[3], w[1], w[0]}));
    // The locked window stayed and keeps its entry; the current tab's entry
    // is the one selected.
    EXPECT_EQ(entries(dialog.list()), (QStringList{"Page 1", "Page 2*"}));
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    // Now without a question.
    select(dialog.list(), {1});
    dialog.closeSelected();
    EXPECT_EQ(host.closeCalls.size(), 2u);
    EXPECT_EQ(entries(dialog.list()), (QStringList{"Page 1*"}));
    EXPECT_EQ(DialogRunner::instance().history().size(), 1u);
}

TEST_F(SelectWindowDialogTest, AnyAnswerButYesClosesNothing) {
    CSelectWindowDialog dialog(host, confirm);
    select(dialog.list(), {0, 1});
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO, false));
    dialog.closeSelected();
    DialogRunner::instance().push(ScriptedAnswer::escape());
    dialog.closeSelected();
    EXPECT_TRUE(host.closeCalls.empty());
    EXPECT_EQ(dialog.list()->count(), 4);
    EXPECT_EQ(dialog.selectedRows(), (std::vector<int>{0, 1}));
    EXPECT_EQ(confirm, 1);
}
