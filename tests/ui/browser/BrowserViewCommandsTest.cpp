#include "BrowserFixture.h"

#include "platform/registry/RegKey.h"

#include <QLineEdit>
#include <QTimer>

#include <array>

namespace {

class BrowserViewCommands : public BrowserFixture {
protected:
    CommandState state(unsigned id) { return app->Router().stateOf(id); }
};

} // namespace

TEST_F(BrowserViewCommands, TextSizeSetsTheLevelAndItsRadioMark) {
    start();
    CBrowserView* view = open();
    EXPECT_TRUE(state(cmd::TextSizeMedium).isRadio());
    ASSERT_TRUE(app->Router().execute(cmd::TextSizeLarger));
    EXPECT_TRUE(engineOf(view).calls().contains("ExecWB 19 3"));
    EXPECT_TRUE(state(cmd::TextSizeLarger).isRadio());
    EXPECT_FALSE(state(cmd::TextSizeMedium).isRadio());
}

TEST_F(BrowserViewCommands, ViewCommandsNeedAWindowAndReachItsEngine) {
    start();
    EXPECT_FALSE(app->Router().isEnabled(cmd::LockWindow));
    EXPECT_FALSE(app->Router().isEnabled(cmd::EditSelectAll));
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    engine.clearCalls();
    for (unsigned id : {cmd::EditSelectAll, cmd::FileSaveAs, cmd::Properties, cmd::Refresh,
                        cmd::GoHome, cmd::ViewSource, cmd::EditFind})
        EXPECT_TRUE(app->Router().execute(id)) << id;
    EXPECT_EQ(engine.calls(),
              (QStringList{"ExecWB 17 0", "ExecWB 4 0", "ExecWB 10 0", "Refresh", "GoHome",
                           "ExecBrowserCommand 2", "ExecBrowserCommand 1"}));
    EXPECT_FALSE(app->Router().isEnabled(cmd::FilePageSetup));
    engine.setQueryStatus(olecmd::PageSetup, olecmd::Supported | olecmd::Enabled);
    EXPECT_TRUE(app->Router().isEnabled(cmd::FilePageSetup));
    EXPECT_FALSE(app->Router().isEnabled(cmd::Stop));
}

TEST_F(BrowserViewCommands, PrintPreviewFollowsTheEngineVersion) {
    start();
    CBrowserView* view = open();
    ASSERT_TRUE(app->Router().execute(cmd::FilePrintPreview));
    EXPECT_TRUE(engineOf(view).calls().contains("ExecWB 7 0"));
    EXPECT_TRUE(dialogs().empty());

    platform::RegKey::create(platform::RegRoot::LocalMachine,
                             "SOFTWARE\\Microsoft\\Internet Explorer")
        .setString("Version", "5.01.2600");
    engineOf(view).clearCalls();
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    app->Router().execute(cmd::FilePrintPreview);
    EXPECT_TRUE(engineOf(view).calls().isEmpty());
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::PrintPreviewNeedsNewerEngine));
}

TEST_F(BrowserViewCommands, DownloadOptionsOfOneWindowOrOfAll) {
    start();
    CBrowserView* first = open();
    CBrowserView* second = open();
    // Without "apply to all" only the active window changes.
    EXPECT_TRUE(state(cmd::DownloadScripts).isChecked());
    ASSERT_TRUE(app->Router().execute(cmd::DownloadScripts));
    EXPECT_EQ(second->DownloadControl(), dlctl::Default | dlctl::NoScripts);
    EXPECT_EQ(first->DownloadControl(), dlctl::Default);
    EXPECT_FALSE(state(cmd::DownloadScripts).isChecked());
    EXPECT_TRUE(engineOf(second).calls().contains("SetDownloadControl 0xf0 refresh"));

    // Switching "apply to all" on copies the active window's flags to all.
    ASSERT_TRUE(app->Router().execute(cmd::ApplyDownloadOptionsToAll));
    EXPECT_TRUE(state(cmd::ApplyDownloadOptionsToAll).isChecked());
    EXPECT_EQ(settings().DownloadOptions, int(dlctl::Default | dlctl::NoScripts));
    EXPECT_EQ(first->DownloadControl(), dlctl::Default | dlctl::NoScripts);
    ASSERT_TRUE(app->Router().execute(cmd::DownloadSilent));
    EXPECT_EQ(first->DownloadControl() & dlctl::Silent, dlctl::Silent);
    EXPECT_TRUE(engineOf(first).calls().contains("SetSilent 1"));
    // A new window starts with the global flags.
    CBrowserView* third = open();
    EXPECT_EQ(third->DownloadControl(), std::uint32_t(settings().DownloadOptions));
}

TEST_F(BrowserViewCommands, DownloadOptionsWithoutAWindowShowTheGlobalFlagsDisabled) {
    start();
    settings().DownloadOptions = int(dlctl::Default | dlctl::NoJava);
    const CommandState java = state(cmd::DownloadJava);
    EXPECT_FALSE(java.isEnabled());
    EXPECT_FALSE(java.isChecked());
    EXPECT_TRUE(state(cmd::DownloadImages).isChecked());
    settings().ApplyDownloadOptionsToAll = 1;
    EXPECT_TRUE(state(cmd::DownloadJava).isEnabled());
}

TEST_F(BrowserViewCommands, AutoRefreshRunsItsTimerAndStoresTheInterval) {
    start();
    CBrowserView* view = open();
    ASSERT_TRUE(app->Router().execute(cmd::AutoRefresh));
    EXPECT_TRUE(view->AutoRefreshOn());
    EXPECT_TRUE(state(cmd::AutoRefresh).isChecked());
    auto* timer = view->findChild<QTimer*>(
        QStringLiteral("refreshTimer%1").arg(CBrowserView::RefreshTimerId));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), settings().AutoRefreshInterval() * 1000);

    view->SetAutoRefresh(1, true);
    EXPECT_EQ(view->RefreshSeconds(), 1);
    EXPECT_EQ(settings().AutoRefreshInterval(), 3);
    EXPECT_EQ(timer->interval(), 3000); // never faster than the lower bound
    engineOf(view).clearCalls();
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(engineOf(view).calls(), QStringList{"Refresh"});

    view->SetAutoRefresh(100000, false);
    EXPECT_FALSE(view->RefreshTimerRunning());
    EXPECT_EQ(settings().AutoRefreshInterval(), 86400);
}

TEST_F(BrowserViewCommands, CutCopyPasteGoToThePageUnlessTheAddressBoxHasTheFocus) {
    withWidgets = true;
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    view->Engine()->Widget()->setFocus();
    const std::array<std::pair<unsigned, int>, 3> edits{
        {{cmd::EditCut, olecmd::Cut}, {cmd::EditCopy, olecmd::Copy}, {cmd::EditPaste, olecmd::Paste}}};
    // The page's own state decides, command by command.
    for (const auto& [id, olecmdId] : edits) {
        EXPECT_FALSE(app->Router().isEnabled(id)) << id;
        engine.setQueryStatus(olecmdId, olecmd::Supported | olecmd::Enabled);
        EXPECT_TRUE(app->Router().isEnabled(id)) << id;
    }
    engine.clearCalls();
    for (const auto& [id, olecmdId] : edits)
        EXPECT_TRUE(app->Router().execute(id)) << id;
    EXPECT_EQ(engine.calls(), (QStringList{"ExecWB 11 0", "ExecWB 12 0", "ExecWB 13 0"}));

    // In the address box they edit the box: the page hears nothing.
    QComboBox* box = frame().AddressBox();
    box->setEditText(QStringLiteral("http://typed.example/"));
    box->setFocus();
    box->lineEdit()->setSelection(0, 4);
    engine.clearCalls();
    ASSERT_TRUE(app->Router().execute(cmd::EditCopy));
    ASSERT_TRUE(app->Router().execute(cmd::EditCut));
    EXPECT_EQ(box->currentText(), "://typed.example/");
    EXPECT_TRUE(engine.calls().isEmpty());
    box->lineEdit()->deselect();
    EXPECT_FALSE(app->Router().isEnabled(cmd::EditCopy));
}
