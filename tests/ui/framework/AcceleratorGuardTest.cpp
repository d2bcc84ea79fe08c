// The main window's accelerators against widgets that answer keys
// themselves: a page that takes every key first (as the web engine does),
// the window area's windows with their built-in window-menu keys, and a
// text field.
#include "framework/AcceleratorGuard.h"
#include "framework/CommandBinder.h"
#include "framework/CommandRouter.h"
#include "framework/CommandTarget.h"
#include "res/AcceleratorTable.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTest>
#include <QToolBar>

namespace {

// Claims every key before any shortcut, as a page of the web engine does
// for its editing keys.
class GreedyPage : public QWidget {
public:
    GreedyPage() { setFocusPolicy(Qt::StrongFocus); }
    int presses = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Shift)
                ++presses;
            return true;
        }
        return QWidget::event(event);
    }
};

// Knows every command of the accelerator table and notes each one run.
class Recorder : public CommandTarget {
public:
    Recorder() {
        for (const res::Accelerator& accelerator : res::mainAccelerators())
            commands().on(accelerator.command,
                          [this, id = accelerator.command] { ran.push_back(id); });
    }
    std::vector<unsigned> ran;
};

class AcceleratorGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        router.setApplication(&recorder);
        auto* area = new QMdiArea(&window);
        window.setCentralWidget(area);
        for (int i = 0; i < 2; ++i) {
            pages[i] = new GreedyPage;
            area->addSubWindow(pages[i])->show();
        }
        auto* bar = new QToolBar(&window);
        field = new QLineEdit(bar);
        bar->addWidget(field);
        window.addToolBar(bar);
        binder.installAccelerators(&window, res::mainAccelerators());
        window.resize(800, 600);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Presses keys on the focus widget; returns the commands that ran.
    std::vector<unsigned> press(QKeyCombination keys) {
        recorder.ran.clear();
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        return recorder.ran;
    }

    Recorder recorder;
    CommandRouter router;
    CommandBinder binder{router};
    QMainWindow window;
    GreedyPage* pages[2] = {};
    QLineEdit* field = nullptr;
};

} // namespace

TEST_F(AcceleratorGuardTest, EveryAcceleratorRunsWithTheFocusInAPage) {
    pages[1]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), pages[1]);
    for (const res::Accelerator& accelerator : res::mainAccelerators())
        EXPECT_EQ(press(accelerator.keys), std::vector<unsigned>{accelerator.command})
            << QKeySequence(accelerator.keys).toString().toStdString();
    // No key of the table reached the page itself.
    EXPECT_EQ(pages[1]->presses, 0);
    // Keys of no shortcut still go to the page.
    EXPECT_TRUE(press(QKeyCombination(Qt::Key_B)).empty());
    EXPECT_EQ(pages[1]->presses, 1);
}

TEST_F(AcceleratorGuardTest, TheWindowsOwnKeysBeatBuiltInOnesToo) {
    // Ctrl+F4 is also a key of each window's built-in window menu.
    auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), &window);
    int closes = 0;
    QObject::connect(closeKey, &QShortcut::activated, [&] { ++closes; });
    pages[0]->setFocus();
    QTest::keyClick(pages[0], Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(closes, 1);
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(closes, 2);
}

// Answers Escape itself, before any shortcut (as the address box does).
class EscapeTaker : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    }
};

TEST_F(AcceleratorGuardTest, ATextFieldKeepsItsEditingKeysAndTheKeysItKeeps) {
    EscapeTaker taker;
    field->installEventFilter(&taker);
    AcceleratorGuard::keepKeys(*field, {QKeySequence(Qt::Key_Escape)});
    field->setText(QStringLiteral("abc"));
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);
    EXPECT_TRUE(press(QKeyCombination(Qt::CTRL, Qt::Key_A)).empty());
    EXPECT_EQ(field->selectedText(), "abc");
    EXPECT_TRUE(press(QKeyCombination(Qt::Key_Escape)).empty());
    // The other accelerators run as anywhere else.
    EXPECT_EQ(press(QKeyCombination(Qt::CTRL, Qt::Key_W)), std::vector<unsigned>{57602});
    EXPECT_EQ(press(QKeyCombination(Qt::Key_F9)), std::vector<unsigned>{32829});
    EXPECT_EQ(press(QKeyCombination(Qt::SHIFT, Qt::Key_Escape)), std::vector<unsigned>{32782});
    EXPECT_EQ(field->text(), "abc");
}

TEST_F(AcceleratorGuardTest, KeysOfOtherWindowsAreLeftAlone) {
    QMainWindow other;
    auto* otherField = new QLineEdit(&other);
    other.setCentralWidget(otherField);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    otherField->setFocus();
    EXPECT_TRUE(press(QKeyCombination(Qt::CTRL, Qt::Key_W)).empty());
    EXPECT_TRUE(press(QKeyCombination(Qt::Key_F5)).empty());
}
