#pragma once

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressComboBox.h"
#include "addressbar/IAddressBarOwner.h"
#include "addressbar/TypedAddressList.h"
#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPoint>
#include <QTest>

#include <memory>

// An owner for the bar that records what the bar asks of it.
class StandInOwner : public IAddressBarOwner {
public:
    struct Navigation {
        QString address;
        bool remember = false;
        bool newWindow = false;
        friend bool operator==(const Navigation&, const Navigation&) = default;
    };

    void NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) override {
        navigations.push_back({address, remember, newWindow});
    }
    bool FocusPage() override {
        ++pageFocusRequests;
        return hasPage;
    }
    CAppSettings& AddressBarSettings() override { return settings; }
    QString ActivePageAddress() const override { return activeAddress; }
    IErrorReporter* AddressBarErrorReporter() override { return nullptr; }
    void ShowAddressBarMenu(const QPoint&) override { ++barMenus; }

    CAppSettings settings;
    std::vector<Navigation> navigations;
    QString activeAddress;
    bool hasPage = false;
    int pageFocusRequests = 0;
    int barMenus = 0;
};

// A fresh registry and scripted dialogs; bars are made on a stand-in owner
// inside a shown, active window so the keyboard focus works.
class AddressBarFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        CCheckMessageBox::setSoundPlayer([](CCheckMessageBox::IconKind) {});
        owner = std::make_unique<StandInOwner>();
    }
    void TearDown() override {
        bars.clear();
        EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
        DialogRunner::instance().reset();
        CCheckMessageBox::setSoundPlayer({});
    }

    // A bar in its own active top-level window, 500 pixels wide.
    CAddressBar& makeBar(StandInOwner* forOwner = nullptr) {
        auto bar = std::make_unique<CAddressBar>(forOwner ? *forOwner : *owner);
        bar->resize(500, 30);
        bar->show();
        bar->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(bar.get()));
        bars.push_back(std::move(bar));
        return *bars.back();
    }

    // Focuses the box and types text as the user would.
    static void type(CAddressBar& bar, const QString& text) {
        bar.FocusAddress();
        QTest::keyClicks(bar.ComboBox(), text);
    }
    static void press(CAddressBar& bar, Qt::Key key,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(bar.ComboBox(), key, modifiers);
    }
    static QString text(const CAddressBar& bar) { return bar.ComboBox()->currentText(); }

    static QString lastMessage() {
        const auto& history = DialogRunner::instance().history();
        return history.empty() ? QString() : history.back().text;
    }

    std::unique_ptr<StandInOwner> owner;
    std::vector<std::unique_ptr<CAddressBar>> bars;
};
