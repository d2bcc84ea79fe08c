// The address bar inside the main window: its keys, commands and history.
#include "ui/frame/FrameFixture.h"

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressComboBox.h"
#include "addressbar/TypedAddressList.h"
#include "app/CCheckMessageBox.h"
#include "framework/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

class FrameAddressBarTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        CCheckMessageBox::setSoundPlayer([](CCheckMessageBox::IconKind) {});
    }
    void TearDown() override {
        CCheckMessageBox::setSoundPlayer({});
        FrameFixture::TearDown();
    }
    std::unique_ptr<CMainFrame> shownFrame() {
        auto frame = makeFrame();
        frame->show();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        return frame;
    }
};

TEST_F(FrameAddressBarTest, AltDSelectsTheWholeAddressEveryTime) {
    auto frame = shownFrame();
    CAddressBar* bar = frame->AddressBar();
    ASSERT_EQ(frame->AddressBox(), bar->ComboBox());
    bar->SetAddressText(QStringLiteral("http://page.example/"));
    for (int press = 0; press < 2; ++press) {
        frame->MdiArea()->setFocus();
        QTest::keyClick(frame.get(), Qt::Key_D, Qt::AltModifier);
        EXPECT_TRUE(bar->HasFocus());
        EXPECT_EQ(bar->ComboBox()->lineEdit()->selectedText(),
                  QStringLiteral("http://page.example/"));
    }
}

TEST_F(FrameAddressBarTest, AltDNeverTypesADAndWorksBeforeTheWindowIsActive) {
    // Not activated: as right after start or after a dialog on a desktop
    // without a window manager, the window gets keys before it counts as
    // active.
    auto frame = makeFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    auto* page = new QLineEdit;
    frame->MdiArea()->addSubWindow(page)->show();
    frame->AddressBar()->SetAddressText(QStringLiteral("http://page.example/"));
    page->setFocus();
    QTest::keyClick(page, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(frame->AddressBar()->HasFocus());
    EXPECT_EQ(frame->AddressBox()->currentText(), QStringLiteral("http://page.example/"));
    EXPECT_TRUE(page->text().isEmpty());
}

TEST_F(FrameAddressBarTest, TheBoxShowsOnePagePictureWhateverItsListHolds) {
    auto frame = shownFrame();
    CAddressComboBox* box = frame->AddressBar()->ComboBox();
    box->AddToAddressList(QStringLiteral("http://listed.example/"));
    box->setCurrentIndex(0);
    // The list's rows carry no picture for the text field to show beside
    // its page picture (the lists draw theirs themselves).
    EXPECT_TRUE(box->itemIcon(box->currentIndex()).isNull());
    int pictures = 0;
    for (const QAction* action : box->lineEdit()->actions())
        pictures += action->icon().isNull() ? 0 : 1;
    EXPECT_EQ(pictures, 1);
}

TEST_F(FrameAddressBarTest, EnterAsksTheApplicationToNavigate) {
    auto frame = shownFrame();
    frame->FocusAddressBar();
    QTest::keyClicks(frame->AddressBox(), QStringLiteral("example"));
    QTest::keyClick(frame->AddressBox(), Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(host->navigated, QStringList{"new:www.example.com"});
}

TEST_F(FrameAddressBarTest, EditCommandsGoToTheBoxOnlyWhileItHasTheFocus) {
    auto frame = shownFrame();
    frame->AddressBar()->SetAddressText(QStringLiteral("http://copied.example/"));
    frame->MdiArea()->setFocus();
    EXPECT_FALSE(host->router.isEnabled(cmd::EditCopy)); // no page, no box
    frame->FocusAddressBar();
    ASSERT_TRUE(host->router.execute(cmd::EditCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://copied.example/"));
}

TEST_F(FrameAddressBarTest, ClearCommandAndClosingKeepTheRegistryCurrent) {
    host->settings.ConfirmClearAddress = 0;
    {
        auto frame = shownFrame();
        frame->AddressBar()->AddToAddressList(QStringLiteral("http://a.example/"));
        DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
        ASSERT_TRUE(host->router.execute(cmd::ClearAddresses));
        EXPECT_EQ(frame->AddressBox()->count(), 0);
        frame->AddressBar()->AddToAddressList(QStringLiteral("http://b.example/"));
        frame->close();
    }
    auto again = makeFrame();
    EXPECT_EQ(again->AddressBar()->ComboBox()->List().Addresses(),
              QStringList{"http://b.example/"});
}

TEST_F(FrameAddressBarTest, ApplyingTheGeneralSettingsShowsOrHidesTheGoButton) {
    host->settings.ShowGoButton = 1;
    auto frame = shownFrame();
    QWidget* go = frame->AddressBar()->findChild<QWidget*>(QStringLiteral("goButton"));
    ASSERT_TRUE(go);
    EXPECT_TRUE(go->isVisible());
    host->settings.ShowGoButton = 0;
    frame->ApplySettings(0);
    EXPECT_FALSE(go->isVisible());
}

} // namespace
