#include "../browser/BrowserFixture.h"

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressComboBox.h"
#include "system/BrowsingTraces.h"
#include "system/CClearHistoryCommand.h"
#include "system/CClearHistoryDialog.h"
#include "system/VisitHistory.h"

#include <QTreeWidget>

namespace {

Qt::CheckState stateOf(QTreeWidgetItem* item) { return item->checkState(0); }

// Answers the next dialog 178 by running steps on it, then OK.
void answerClearHistory(std::function<void(CClearHistoryDialog&)> steps) {
    DialogRunner::instance().push(ScriptedAnswer::acting([steps](QDialog& dialog) {
        auto& clear = dynamic_cast<CClearHistoryDialog&>(dialog);
        steps(clear);
        clear.accept();
        return clear.result();
    }));
}

} // namespace

class ClearHistoryTest : public BrowserFixture {
protected:
    void startWithTraces() {
        settingsKey().setDword("ConfirmExitApp", 0);
        start();
        CAppSettings& s = settings();
        s.AutoClose = QStringList{"*ads*"};
        s.SetClosedWindowsCount(5);
        s.AddClosedWindow("Closed", "https://closed.example/");
        s.ClearOption = 0x4;
        ASSERT_TRUE(s.Save());
        view = open();
        ASSERT_TRUE(engineOf(view).playLoad("https://page.example/", "Page"));
        frame().AddressBar()->AddToAddressList("https://typed.example/");
        SharedVisitHistory().Clear();
        SharedVisitHistory().Record("https://page.example/", "Page");
        command = std::make_unique<CClearHistoryCommand>(frame(), *app);
        command->Cleaners().visitedLinks = [this] { cleared << "visited"; };
        command->Cleaners().httpCache = [this] { cleared << "cache"; };
    }
    QStringList typedAddresses() {
        QStringList items;
        QComboBox* box = frame().AddressBox();
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    CBrowserView* view = nullptr;
    std::unique_ptr<CClearHistoryCommand> command;
    QStringList cleared;
};

TEST_F(ClearHistoryTest, TreeChecksFollowTheRootAndChildRules) {
    startWithTraces();
    settings().ClearOption = 0x10000 | 0x20000 | 0x1;
    answerClearHistory([](CClearHistoryDialog& d) {
        QTreeWidgetItem* ie = d.Root(0);
        QTreeWidgetItem* own = d.Root(1);
        EXPECT_EQ(ie->text(0), "Internet Explorer");
        EXPECT_EQ(own->text(0), "Quorrelin");
        EXPECT_TRUE(ie->isExpanded() && own->isExpanded());
        EXPECT_EQ(ie->child(0)->text(0), res::loadString(sid::ClearHistoryItem));
        // A root starts checked when all its children are.
        EXPECT_EQ(stateOf(ie), Qt::Unchecked);
        EXPECT_EQ(stateOf(own), Qt::Checked);
        EXPECT_EQ(d.Selection(), 0x30001u);

        ie->setCheckState(0, Qt::Checked); // the root sets its children
        EXPECT_EQ(stateOf(d.ItemForBit(clearbits::TypedUrls)), Qt::Checked);
        EXPECT_EQ(stateOf(d.ItemForBit(clearbits::TemporaryFiles)), Qt::Checked);
        d.ItemForBit(clearbits::TypedUrls)->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(stateOf(ie), Qt::Unchecked); // the children set the root
        EXPECT_EQ(stateOf(d.ItemForBit(clearbits::History)), Qt::Checked);
        d.ItemForBit(clearbits::TypedUrls)->setCheckState(0, Qt::Checked);
        EXPECT_EQ(stateOf(ie), Qt::Checked);
        own->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(d.Selection(), 0x7u);
        // With nothing checked, OK clears nothing.
        ie->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(d.Selection(), 0u);
    });
    EXPECT_TRUE(command->Run());
    EXPECT_EQ(settings().ClearOption, 0);
    EXPECT_TRUE(cleared.isEmpty());

    DialogRunner::instance().push(ScriptedAnswer::button(IDCANCEL));
    EXPECT_FALSE(command->Run());
    EXPECT_EQ(settings().ClearOption, 0);
}

TEST_F(ClearHistoryTest, OnlyHistoryChangesNeitherSettingsNorAddressBar) {
    startWithTraces();
    const QStringList typedBefore = typedAddresses();
    const QString textBefore = frame().AddressBox()->currentText();
    ASSERT_FALSE(typedBefore.isEmpty());
    answerClearHistory([](CClearHistoryDialog& d) {
        d.ItemForBit(clearbits::TemporaryFiles)->setCheckState(0, Qt::Unchecked);
        d.ItemForBit(clearbits::History)->setCheckState(0, Qt::Checked);
        EXPECT_EQ(d.Selection(), clearbits::History);
    });
    // Through the command chain, as the menu and the options dialog send it.
    ASSERT_TRUE(app->Router().isEnabled(cmd::ClearHistory));
    EXPECT_TRUE(command->Run());
    EXPECT_EQ(cleared, QStringList({"visited"}));
    EXPECT_EQ(SharedVisitHistory().VisitCount(), 0);
    EXPECT_EQ(typedAddresses(), typedBefore);
    EXPECT_EQ(frame().AddressBox()->currentText(), textBefore);
    CAppSettings stored;
    stored.Load();
    EXPECT_EQ(stored.ClearOption, 0x4);
    EXPECT_EQ(stored.AutoClose, QStringList({"*ads*"}));
    EXPECT_EQ(stored.ClosedWindows().front(), settings().ClosedWindows().front());
    EXPECT_FALSE(settings().ClosedWindows().front().isEmpty());
}

TEST_F(ClearHistoryTest, EveryTraceIsClearedAndTheListsAreSaved) {
    startWithTraces();
    answerClearHistory([](CClearHistoryDialog& d) {
        d.Root(0)->setCheckState(0, Qt::Checked);
        d.Root(1)->setCheckState(0, Qt::Checked);
    });
    EXPECT_TRUE(command->Run());
    EXPECT_EQ(cleared, QStringList({"visited", "cache"}));
    EXPECT_EQ(SharedVisitHistory().VisitCount(), 0);
    EXPECT_TRUE(typedAddresses().isEmpty());
    // The box shows the active page's address again.
    EXPECT_EQ(frame().AddressBox()->currentText(), "https://page.example/");
    CAppSettings stored;
    stored.Load();
    EXPECT_EQ(stored.ClearOption, 0x30007);
    EXPECT_TRUE(stored.AutoClose.isEmpty());
    EXPECT_TRUE(stored.ClosedWindows().front().isEmpty());
}
