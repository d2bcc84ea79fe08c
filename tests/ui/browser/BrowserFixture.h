#pragma once

#include "app/CAppSettings.h"
#include "app/CDocTemplate.h"
#include "app/CQuorrelin.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"
#include "browser/engine/ScriptedEngine.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "platform/registry/RegKey.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <memory>

// A scripted engine that also has a widget, for the mouse handling.
class WidgetEngine : public ScriptedEngine {
public:
    explicit WidgetEngine(QWidget* parent) : widget_(new QWidget(parent)) {
        widget_->resize(400, 300);
    }
    QWidget* Widget() override { return widget_; }

private:
    QWidget* widget_;
};

// The whole application (main window and templates) with scripted engines
// behind every browser window; engine kind 1 is available only when
// mozillaAvailable is set.
class BrowserFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        settingsKey().setDword("CheckDefaultBrowser", 0);
        CBrowserView::engineFactory() = [this](int kind,
                                               QWidget* parent) -> std::unique_ptr<IBrowserEngine> {
            if (kind == 1 && !mozillaAvailable)
                return nullptr;
            if (withWidgets)
                return std::make_unique<WidgetEngine>(parent);
            return std::make_unique<ScriptedEngine>();
        };
        environment.engineVersion = "112.0.5615.213";
    }
    void TearDown() override {
        app.reset();
        CBrowserView::engineFactory() = {};
        DialogRunner::instance().reset();
    }

    static platform::RegKey settingsKey() {
        return platform::RegKey::create(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kSettingsKeyPath));
    }

    // Starts the application (no start windows unless the settings ask).
    void start(const QStringList& arguments = {}) {
        app = std::make_unique<CQuorrelin>(environment);
        ASSERT_TRUE(app->InitInstance(arguments));
    }

    CAppSettings& settings() { return app->Settings(); }
    CMainFrame& frame() { return *app->MainFrame(); }
    QString tabs() { return frame().WindowBarTabs().describe(); }
    QString addressText() { return frame().AddressBox()->currentText(); }

    CBrowserView* open(bool activate = true, int engine = 0) {
        return app->CreateBrowserWindow(engine, activate, true);
    }
    static ScriptedEngine& engineOf(CBrowserView* view) {
        return *static_cast<ScriptedEngine*>(view->Engine());
    }
    // The calls to Navigate2 an engine received.
    static QStringList navigations(CBrowserView* view) {
        return engineOf(view).calls().filter(QStringLiteral("Navigate2 "));
    }
    std::vector<CBrowserView*> views() const { return app->AllViews(); }
    std::vector<DialogRunner::Record> dialogs() const { return DialogRunner::instance().history(); }

    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    CQuorrelin::Environment environment;
    std::unique_ptr<CQuorrelin> app;
    bool mozillaAvailable = false;
    bool withWidgets = false;
};
