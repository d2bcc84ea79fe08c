#include "BrowserFixture.h"

#include "app/SendMailThreads.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class BrowserWindows : public BrowserFixture {
protected:
    // The page of view gets a title (the engine reports its location name).
    static void titled(CBrowserView* view, const QString& title) {
        engineOf(view).setLocation("http://" + title + ".example/", title);
        engineOf(view).playTitle(title);
    }
    // Opens three titled windows and activates the second.
    void openThree() {
        settings().AppendNewWindow = 0;
        for (const char* title : {"A", "B", "C"})
            titled(open(), title);
        views()[1]->ChildFrame()->Activate();
        ASSERT_EQ(tabs(), "A B* C");
    }
};

} // namespace

TEST_F(BrowserWindows, NewWindowsGoAfterTheActiveOneOrAtTheEnd) {
    start();
    openThree();
    titled(open(), "D");
    EXPECT_EQ(tabs(), "A B D* C");
    views()[1]->ChildFrame()->Activate();
    settings().AppendNewWindow = 1;
    titled(open(), "E");
    EXPECT_EQ(tabs(), "A B D C E*");
    // A window opened without activation keeps the active one.
    titled(open(false), "F");
    EXPECT_EQ(tabs(), "A B D C E* F");
    EXPECT_EQ(app->ActiveView(), views()[4]);
}

TEST_F(BrowserWindows, NewWindowsOpenMaximisedWhenChildrenAreMaximised) {
    start();
    settings().MaximizeChild = 1;
    CBrowserView* view = open();
    EXPECT_TRUE(view->ChildFrame()->isMaximized());
    EXPECT_EQ(app->ActiveView(), view);
}

TEST_F(BrowserWindows, AMissingSecondEngineShowsTheMessageAndMakesNothing) {
    start();
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_EQ(app->CreateBrowserWindow(1, true, true), nullptr);
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::CannotCreateWindow));
    EXPECT_TRUE(views().empty());
    EXPECT_TRUE(frame().MdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(app->MozillaTemplate().Documents().empty());
    EXPECT_EQ(tabs(), "");
}

TEST_F(BrowserWindows, TheTemplatesListTheirDocumentsInCreationOrder) {
    mozillaAvailable = true;
    start();
    CBrowserView* ie = open();
    CBrowserView* moz = open(false, 1);
    CBrowserView* ie2 = open(false);
    EXPECT_EQ(moz->Document().Title(), "about:blank");
    ASSERT_EQ(app->IeTemplate().Documents().size(), 2u);
    EXPECT_EQ(app->IeTemplate().Documents()[1], &ie2->Document());
    EXPECT_EQ(app->MozillaTemplate().Documents().size(), 1u);
    EXPECT_EQ(views(), (std::vector<CBrowserView*>{ie, ie2, moz}));
    ie->ChildFrame()->close();
    settle();
    EXPECT_EQ(app->IeTemplate().Documents().size(), 1u);
}

TEST_F(BrowserWindows, AHandedOverAddressUsesTheActiveWindowOrANewOne) {
    start();
    settings().QuickCommands = {
        QuickCommand{QuickCommand::Search, "Search", "g", "http://s.example/?q=%s"}};
    CBrowserView* view = open();
    settings().OpenInNewWindow = 0;
    app->OpenHandedOverAddress("g quorrelin");
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(view), QStringList{"Navigate2 http://s.example/?q=quorrelin"});

    settings().OpenInNewWindow = 1;
    app->OpenHandedOverAddress("http://new.example/");
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(navigations(views()[1]), QStringList{"Navigate2 http://new.example/"});
    EXPECT_EQ(app->ActiveView(), views()[1]);
}

TEST_F(BrowserWindows, AHandedOverScriptAddressNeverRunsInAnExistingPage) {
    start();
    // A quick command could turn a harmless word into a script address too.
    settings().QuickCommands = {
        QuickCommand{QuickCommand::Open, "Trap", "trap", "javascript:alert(document.cookie)"}};
    CBrowserView* view = open();
    for (int inNew : {0, 1}) {
        settings().OpenInNewWindow = inNew;
        for (const char* address :
             {"javascript:alert(document.cookie)", " \tJaVa\nScRiPt:alert(1)", "vbscript:msgbox", "trap"})
            app->OpenHandedOverAddress(address);
    }
    EXPECT_EQ(views().size(), 1u) << "nothing opened";
    EXPECT_TRUE(navigations(view).isEmpty());
}

TEST_F(BrowserWindows, DroppedFilesAndAddressBoxNavigations) {
    start();
    app->OpenDroppedFile("/tmp/page one.html");
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]), QStringList{"Navigate2 file:///tmp/page one.html"});
    app->NavigateFromAddressBar("http://typed.example/", true, false);
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(views()[0]->FirstUrlState(), CBrowserView::RememberNextUrl);
    EXPECT_EQ(app->ActiveAddress(), "");
    app->NavigateFromAddressBar("http://shift.example/", false, true);
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(views()[1]->FirstUrlState(), CBrowserView::NothingToRemember);
}

TEST_F(BrowserWindows, StartWindowsOpenLastEntryFirst) {
    {
        CAppSettings stored;
        stored.Load();
        for (const char* page : {"c", "b", "a"})
            stored.AddClosedWindow(QString(page), QStringLiteral("http://%1.example/").arg(page));
        stored.SetOpenWindowsCount(3);
        stored.SetStartMode(1);
        stored.Save();
    }
    start();
    ASSERT_EQ(app->startAddresses(),
              (QStringList{"http://a.example/", "http://b.example/", "http://c.example/"}));
    const std::vector<CBrowserView*> opened = views();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(navigations(opened[0]), QStringList{"Navigate2 http://c.example/"});
    EXPECT_EQ(navigations(opened[2]), QStringList{"Navigate2 http://a.example/"});
    EXPECT_EQ(app->ActiveView(), opened[2]);
    EXPECT_FALSE(opened[0]->KeepTitle());
}

TEST_F(BrowserWindows, ACommandLineAddressKeepsItsTitleMark) {
    start({"http://arg.example/"});
    ASSERT_EQ(views().size(), 1u);
    EXPECT_TRUE(views()[0]->KeepTitle());
    EXPECT_EQ(navigations(views()[0]), QStringList{"Navigate2 http://arg.example/"});
}

TEST_F(BrowserWindows, ApplicationCommandsOpenAndDriveWindows) {
    start();
    // New current page needs a window; one without an address gives a blank one.
    EXPECT_FALSE(app->Router().isEnabled(cmd::NewCurrentPage));
    open();
    ASSERT_TRUE(app->Router().execute(cmd::NewCurrentPage));
    EXPECT_EQ(navigations(views()[1]), QStringList{"Navigate2 about:blank"});
    engineOf(views()[1]).setLocation("http://here.example/", "Here");
    ASSERT_TRUE(app->Router().execute(cmd::NewCurrentPage));
    EXPECT_EQ(navigations(views()[2]), QStringList{"Navigate2 http://here.example/"});
    ASSERT_TRUE(app->Router().execute(cmd::WebSite));
    EXPECT_EQ(navigations(views()[3]),
              QStringList{"Navigate2 " + res::loadString(sid::WebSiteAddress)});

    for (CBrowserView* view : views())
        engineOf(view).clearCalls();
    ASSERT_TRUE(app->Router().execute(cmd::RefreshAll));
    ASSERT_TRUE(app->Router().execute(cmd::StopAll));
    for (CBrowserView* view : views())
        EXPECT_EQ(engineOf(view).calls(), (QStringList{"Refresh", "Stop"}));

    // The second engine's commands stay off while it is missing.
    EXPECT_FALSE(app->Router().isEnabled(cmd::NewMozillaBlank));
}

TEST_F(BrowserWindows, NewWindowFromTheClipboard) {
    start();
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(app->Router().isEnabled(cmd::NewFromClipboard));
    QGuiApplication::clipboard()->setText("  http://clip.example/  ");
    ASSERT_TRUE(app->Router().execute(cmd::NewFromClipboard));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]), QStringList{"Navigate2 http://clip.example/"});
}

TEST_F(BrowserWindows, WorkOfflineTogglesTheSharedFlag) {
    start();
    app->OnIdle();
    EXPECT_FALSE(app->Router().stateOf(cmd::WorkOffline).isChecked());
    ASSERT_TRUE(app->Router().execute(cmd::WorkOffline));
    EXPECT_TRUE(app->IsOffline());
    EXPECT_TRUE(app->Router().stateOf(cmd::WorkOffline).isChecked());
    EXPECT_TRUE(frame().windowTitle().contains(res::loadString(sid::WorkOfflineMark)));
    ASSERT_TRUE(app->Router().execute(cmd::WorkOffline));
    EXPECT_FALSE(app->IsOffline());
}
