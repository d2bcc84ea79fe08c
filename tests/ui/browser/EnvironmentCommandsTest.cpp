// The application's dialogs and the commands that reach the desktop: open
// location, auto refresh, about and help, mail, news and synchronise, the
// Internet options, the page editors and the toolbar's menu buttons.
#include "BrowserFixture.h"

#include "app/CAboutDialog.h"
#include "app/CEnvironmentCommands.h"
#include "app/CHelpCommands.h"
#include "browser/CAutoRefreshDialog.h"
#include "browser/COpenLocationDialog.h"
#include "frame/CPageEditorCommands.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "framework/MenuBuilder.h"
#include "res/MenuTable.h"
#include "support/TestEnv.h"
#include "system/CInternetOptionsDialog.h"
#include "system/IeSettings.h"
#include "system/MozillaControl.h"
#include "system/ProgramLauncher.h"
#include "system/ProgramVersion.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QNetworkProxy>
#include <QPushButton>
#include <QSpinBox>

#include <set>

namespace {

// Records what would be started; answers desktop-tool questions with answer.
class FakeLauncher : public IProgramLauncher {
public:
    std::optional<QString> output(const QString&, const QStringList&, int) override {
        return answer;
    }
    bool start(const QString& program, const QStringList& arguments) override {
        started << program + u' ' + arguments.join(u' ');
        return startWorks;
    }
    std::optional<QString> answer;
    bool startWorks = true;
    QStringList started;
};

class EnvironmentCommands : public BrowserFixture {
protected:
    bool run(unsigned id) { return app->Router().execute(id); }
    bool enabled(unsigned id) { return app->Router().isEnabled(id); }

    // Answers the next dialog of type D by acting on it.
    template <class D> static void actOn(std::function<int(D&)> act) {
        DialogRunner::instance().push(ScriptedAnswer::acting([act](QDialog& dialog) {
            D* typed = dynamic_cast<D*>(&dialog);
            EXPECT_NE(typed, nullptr) << dialog.metaObject()->className();
            return typed ? act(*typed) : int(QDialog::Rejected);
        }));
    }
    static void answerText(const QString& text, bool checked) {
        ScriptedAnswer answer = ScriptedAnswer::button(IDOK, checked);
        answer.text = text;
        DialogRunner::instance().push(answer);
    }
    QStringList dialogTexts() const {
        QStringList texts;
        for (const DialogRunner::Record& record : dialogs())
            texts << record.text;
        return texts;
    }
    // Runs command from the tab menu of view's tab.
    void runFromTabMenu(CBrowserView* view, unsigned command) {
        frame().Windows().setMenuRunner([&](QMenu& menu, const QPoint&) {
            QAction* action = MenuBuilder::findCommand(&menu, command);
            ASSERT_NE(action, nullptr);
            frame().Binder().updateAction(action);
            ASSERT_TRUE(action->isEnabled());
            action->trigger();
        });
        CWindowBar* bar = frame().WindowBar();
        const QPoint pos = bar->itemRect(frame().WindowBarTabs().indexOf(view)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, pos, bar->mapToGlobal(pos));
        QApplication::sendEvent(bar, &click);
        frame().Windows().setMenuRunner({});
    }
};

} // namespace

TEST_F(EnvironmentCommands, OpenLocationUsesTheActiveOrANewWindowByItsCheckBox) {
    start();
    settings().OpenInNewWindow = 1;
    // Without a window the text opens in a new one, whatever the box says;
    // the box starts as OpenInNewWindow and the second engine's is disabled.
    actOn<COpenLocationDialog>([](COpenLocationDialog& dialog) {
        EXPECT_TRUE(dialog.NewWindowBox()->isChecked());
        EXPECT_FALSE(dialog.MozillaBox()->isEnabled());
        dialog.MozillaBox()->setChecked(true);
        dialog.NewWindowBox()->setChecked(false);
        dialog.AddressBox()->setEditText("  http://first.example/  ");
        dialog.accept();
        return dialog.result();
    });
    ASSERT_TRUE(run(cmd::FileOpen));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]), QStringList{"Navigate2 http://first.example/"});
    EXPECT_TRUE(views()[0]->KeepTitle());
    EXPECT_TRUE(app->MozillaTemplate().Documents().empty());

    // Unchecked: the active window; checked: a new one.
    answerText("http://second.example/", false);
    ASSERT_TRUE(run(cmd::FileOpen));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]).last(), "Navigate2 http://second.example/");
    answerText("http://third.example/", true);
    ASSERT_TRUE(run(cmd::FileOpen));
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(navigations(app->ActiveView()), QStringList{"Navigate2 http://third.example/"});

    // Only blanks keep the dialog open; nothing opens.
    answerText("   ", true);
    ASSERT_TRUE(run(cmd::FileOpen));
    EXPECT_EQ(views().size(), 2u);
}

TEST_F(EnvironmentCommands, OpenLocationListsTheAddressBarAndTakesTheSecondEngine) {
    mozillaAvailable = true;
    start();
    settings().OpenInNewWindow = 0;
    app->AddToAddressList("http://typed.example/");
    // The second engine counts as installed: its class names an existing file.
    const QString plugin = testenv::freshDir("engine") + "/plugin.so";
    QFile(plugin).open(QIODevice::WriteOnly);
    platform::RegKey::create(platform::RegRoot::ClassesRoot,
                             "CLSID\\" + QString::fromUtf16(kMozillaControlClsid) +
                                 "\\InprocServer32")
        .setString(QString(), plugin);
    actOn<COpenLocationDialog>([](COpenLocationDialog& dialog) {
        EXPECT_EQ(dialog.AddressBox()->itemText(0), "http://typed.example/");
        EXPECT_TRUE(dialog.AddressBox()->currentText().isEmpty());
        EXPECT_TRUE(dialog.MozillaBox()->isEnabled());
        dialog.MozillaBox()->setChecked(true);
        dialog.AddressBox()->setEditText("http://gecko.example/");
        dialog.accept();
        return dialog.result();
    });
    ASSERT_TRUE(run(cmd::FileOpen));
    ASSERT_EQ(app->MozillaTemplate().Documents().size(), 1u);
}

TEST_F(EnvironmentCommands, AutoRefreshIntervalStaysWithinItsLimits) {
    start();
    EXPECT_FALSE(enabled(cmd::AutoRefreshSettings));
    CBrowserView* view = open();
    const QString refused = res::loadString(sid::InvalidValueRange)
                                .replace("%Min%", "3")
                                .replace("%Max%", "86400");
    for (const char* bad : {"2", "86401", "", "99999999999999999999"}) {
        answerText(bad, true);
        DialogRunner::instance().push(ScriptedAnswer::button(IDOK)); // the message
        ASSERT_TRUE(run(cmd::AutoRefreshSettings));
        EXPECT_EQ(dialogTexts().last(), refused) << bad;
        EXPECT_FALSE(view->AutoRefreshOn()) << bad;
    }
    EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);

    answerText("3", true);
    ASSERT_TRUE(run(cmd::AutoRefreshSettings));
    EXPECT_EQ(view->RefreshSeconds(), 3);
    EXPECT_TRUE(view->AutoRefreshOn());
    EXPECT_EQ(settings().AutoRefreshInterval(), 3);

    // The dialog shows the window's state; the tab menu's command acts on
    // the tab's window, not the active one.
    CBrowserView* other = open();
    actOn<CAutoRefreshDialog>([](CAutoRefreshDialog& dialog) {
        EXPECT_EQ(dialog.IntervalEdit()->text(), "3");
        EXPECT_TRUE(dialog.StartBox()->isChecked());
        dialog.IntervalEdit()->setText("86400");
        dialog.StartBox()->setChecked(false);
        dialog.accept();
        return dialog.result();
    });
    runFromTabMenu(view, cmd::TabAutoRefreshSettings);
    EXPECT_EQ(view->RefreshSeconds(), 86400);
    EXPECT_FALSE(view->AutoRefreshOn());
    EXPECT_FALSE(other->AutoRefreshOn());
    EXPECT_EQ(app->ActiveView(), other);
}

TEST_F(EnvironmentCommands, AboutBoxShowsTheVersionsAndHelpOpensItsPagesOrSaysWhatIsMissing) {
    start();
    actOn<CAboutDialog>([](CAboutDialog& dialog) {
        EXPECT_EQ(dialog.VersionLabel()->text(), programVersionText());
        EXPECT_TRUE(dialog.EngineLabel()->text().contains("Chromium"));
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(run(cmd::AppAbout));

    QStringList opened;
    const QString folder = testenv::freshDir("help");
    CHelpCommands help(&frame(), folder, [&](int engine, const QString& url) {
        opened << QString::number(engine) + u' ' + url;
    }, [] { return false; });
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(help.ShowHelp());
    EXPECT_EQ(dialogTexts().last(),
              res::loadString(sid::FileNotFound).replace("%filename%", folder + "/index.html"));
    EXPECT_TRUE(opened.isEmpty());

    QFile page(folder + "/index.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_TRUE(help.ShowHelp());
    EXPECT_EQ(opened, QStringList{"0 " + QUrl::fromLocalFile(folder + "/index.html").toString()});
    // New document without the second engine: a blank window at once.
    EXPECT_TRUE(help.onCommand(cmd::FileNew));
    EXPECT_EQ(opened.last(), "0 about:blank");
    // The program's help command opens the installed pages in a window.
    EXPECT_TRUE(enabled(cmd::HelpContents));
}

TEST_F(EnvironmentCommands, MailAndNewsStartTheDefaultProgramOrSayWhy) {
    start();
    FakeLauncher launcher;
    CEnvironmentCommands commands(&frame(), settings(), launcher, {});
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(commands.StartClient(ClientKind::Mail));
    EXPECT_EQ(dialogTexts().last(), res::loadString(sid::NoDefaultMailProgram));
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(commands.StartClient(ClientKind::News));
    EXPECT_EQ(dialogTexts().last(), res::loadString(sid::NoDefaultNewsProgram));
    EXPECT_TRUE(launcher.started.isEmpty());

    launcher.answer = "pigeon.desktop";
    EXPECT_TRUE(commands.StartClient(ClientKind::Mail));
    EXPECT_EQ(launcher.started, QStringList{"xdg-open mailto:"});
    launcher.startWorks = false;
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(commands.StartClient(ClientKind::News));
    EXPECT_EQ(dialogTexts().last(), res::loadString(sid::CannotStartNewsProgram) + "pigeon");
    EXPECT_TRUE(enabled(cmd::Mail) && enabled(cmd::News));
}

TEST_F(EnvironmentCommands, SynchroniseAsksFirstThenRefreshesEveryWindow) {
    start();
    settings().ConfirmSynchronize = 1;
    open();
    open();
    const auto refreshed = [this] {
        int count = 0;
        for (CBrowserView* view : views())
            count += static_cast<int>(engineOf(view).calls().count("Refresh"));
        return count;
    };
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    ASSERT_TRUE(run(cmd::Synchronize));
    EXPECT_EQ(refreshed(), 0);
    EXPECT_EQ(dialogs().back().text, res::loadString(sid::ConfirmSynchronize));
    EXPECT_EQ(dialogs().back().title, res::loadString(sid::Synchronize));
    EXPECT_EQ(settings().ConfirmSynchronize, 1);

    // Yes with "don't ask again": refreshed, and not asked the next time.
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    ASSERT_TRUE(run(cmd::Synchronize));
    EXPECT_EQ(refreshed(), 2);
    EXPECT_EQ(settings().ConfirmSynchronize, 0);
    const size_t asked = dialogs().size();
    ASSERT_TRUE(run(cmd::Synchronize));
    EXPECT_EQ(refreshed(), 4);
    EXPECT_EQ(dialogs().size(), asked);
}

TEST_F(EnvironmentCommands, InternetOptionsStoreTheStartPageAndApplyTheProxy) {
    start();
    CBrowserView* view = open();
    engineOf(view).setLocation("http://shown.example/", "Shown");
    ASSERT_TRUE(writeProxySettings({false, ":8080", 0}));
    actOn<CInternetOptionsDialog>([](CInternetOptionsDialog& dialog) {
        // Clearing the history is the clear-history command's.
        EXPECT_TRUE(dialog.ClearHistoryButton()->isEnabled());
        EXPECT_EQ(dialog.ProxyHostEdit()->text(), ":8080");
        // A proxy switched on must name a server.
        dialog.ProxyBox()->setChecked(true);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        dialog.ProxyHostEdit()->setText("proxy.local");
        dialog.ProxyPortBox()->setValue(3128);
        dialog.StartPageEdit()->setText(" http://start.example/ ");
        dialog.accept();
        return dialog.result();
    });
    ASSERT_TRUE(run(cmd::InternetOptions));
    EXPECT_EQ(readIeStartPage(), "http://start.example/");
    EXPECT_EQ(readProxySettings(), (ProxySettings{true, "proxy.local", 3128}));
    EXPECT_EQ(QNetworkProxy::applicationProxy().hostName(), "proxy.local");
    EXPECT_EQ(QNetworkProxy::applicationProxy().port(), 3128);
    EXPECT_EQ(addressText(), "http://shown.example/");

    // Cancel changes nothing; switching the proxy off gives the engine its
    // default again.
    DialogRunner::instance().push(ScriptedAnswer::button(IDCANCEL));
    ASSERT_TRUE(run(cmd::InternetOptions));
    EXPECT_TRUE(readProxySettings().enabled);
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK, false));
    ASSERT_TRUE(run(cmd::InternetOptions));
    EXPECT_FALSE(readProxySettings().enabled);
    EXPECT_NE(QNetworkProxy::applicationProxy().type(), QNetworkProxy::HttpProxy);
}

TEST_F(EnvironmentCommands, PageEditorsEditTheLocalFileOrASavedCopy) {
    start();
    FakeLauncher launcher;
    const QList<PageEditor> list = {{"Atelier", "atelier --edit %u", "atelier"},
                                    {"Scribe", "scribe", "scribe"}};
    CPageEditorCommands editors(frame(), launcher, [&] { return list; });
    const auto editable = [&](unsigned id) {
        CommandState state(id);
        return editors.onUpdateCommand(state) && state.isEnabled();
    };
    EXPECT_FALSE(editable(cmd::EditWithEditor));
    CBrowserView* view = open();
    engineOf(view).setLocation("about:blank", "");
    EXPECT_FALSE(editable(cmd::EditWithEditor));
    EXPECT_FALSE(editable(cmd::Editors.at(1)));

    engineOf(view).setLocation("file:///srv/my%20page.htm", "Mine");
    EXPECT_TRUE(editable(cmd::EditWithEditor));
    // Without any editor on the desktop the commands are off.
    CPageEditorCommands none(frame(), launcher, [] { return QList<PageEditor>(); });
    CommandState noEditor(cmd::EditWithEditor);
    ASSERT_TRUE(none.onUpdateCommand(noEditor));
    EXPECT_FALSE(noEditor.isEnabled());
    frame().SetEditorsMenuFactory({}); // the one below installs its own again
    CPageEditorCommands again(frame(), launcher, [&] { return list; });
    ASSERT_TRUE(again.onCommand(cmd::EditWithEditor));
    EXPECT_EQ(launcher.started, QStringList{"atelier --edit /srv/my page.htm"});

    // Any other page: a temporary copy is saved and edited.
    engineOf(view).setLocation("http://remote.example/", "Remote");
    engineOf(view).clearCalls();
    ASSERT_TRUE(editors.onCommand(cmd::Editors.at(1)));
    const QStringList saves = engineOf(view).calls().filter("SavePage ");
    ASSERT_EQ(saves.size(), 1);
    const QString copy = saves[0].mid(9);
    EXPECT_TRUE(copy.endsWith(".htm"));
    EXPECT_EQ(launcher.started.last(), "scribe " + copy);
    QFile::remove(copy);

    // The edit button's drop-down lists the editors with their prompts.
    QMenu* menu = frame().DropDownMenu(cmd::EditWithEditor);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[1]->text(), "Scribe");
    EXPECT_EQ(frame().Binder().promptFor(cmd::Editors.at(0)), "用 Atelier 编辑该页");
    app.reset(); // the frame keeps the prompt providers of the commands above
}

TEST_F(EnvironmentCommands, MenuButtonsAndNewCurrentPageFollowTheirRules) {
    start();
    EXPECT_FALSE(enabled(cmd::TextSize));
    EXPECT_TRUE(enabled(cmd::ClosedWindowsButton));
    EXPECT_FALSE(enabled(cmd::NewCurrentPage));
    open();
    EXPECT_TRUE(enabled(cmd::TextSize));
    EXPECT_TRUE(enabled(cmd::NewCurrentPage));
}

// With a window open, every fixed item of the main menu has a handler.
TEST_F(EnvironmentCommands, NoFixedMainMenuItemLacksAHandler) {
    start();
    open();
    QStringList missing;
    const std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                walk(action->menu());
                continue;
            }
            const unsigned id = CommandBinder::commandId(action);
            if (id == 0)
                continue;
            const auto targets = app->Router().chain().targets();
            const bool handled = std::ranges::any_of(
                targets, [id](CommandTarget* target) { return target->hasCommandHandler(id); });
            if (!handled)
                missing << QString::number(id) + u' ' + action->text();
        }
    };
    for (QAction* top : frame().menuBar()->actions())
        if (top->menu())
            walk(top->menu());
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
}
