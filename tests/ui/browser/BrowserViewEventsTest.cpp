#include "BrowserFixture.h"

#include "browser/BrowserViewRules.h"
#include "frame/WindowBarTabRules.h"

#include <QLineEdit>

namespace {

class BrowserViewEvents : public BrowserFixture {};

} // namespace

TEST_F(BrowserViewEvents, AWholeLoadSetsCaptionTabAddressAndHistory) {
    start();
    CBrowserView* view = open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(app->ActiveView(), view);
    ScriptedEngine& engine = engineOf(view);
    ASSERT_TRUE(engine.playLoad("http://a.example/", "Page A"));
    EXPECT_EQ(view->Document().Title(), "Page A");
    EXPECT_EQ(view->ChildFrame()->windowTitle(), "Page A");
    EXPECT_EQ(tabs(), "Page A*");
    EXPECT_EQ(frame().WindowBarTabs().tabAt(0)->image, 9); // at rest
    EXPECT_EQ(addressText(), "http://a.example/");
    EXPECT_FALSE(frame().IsBusyAnimationPlaying());
    EXPECT_EQ(view->Progress(), 100);
    EXPECT_EQ(view->CurrentUrl(), "http://a.example/");
    EXPECT_EQ(view->History().Titles(), QStringList{"Page A"});
    EXPECT_EQ(view->History().Index(), 0);
}

TEST_F(BrowserViewEvents, ProgressShowsInCaptionAndTabUntilDone) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    engine.setBusy(true);
    engine.setLocation("http://b.example/", "Bee");
    ASSERT_TRUE(engine.playBeforeNavigate("http://b.example/"));
    EXPECT_TRUE(frame().IsBusyAnimationPlaying());
    engine.playProgress(150, 200);
    EXPECT_EQ(view->Progress(), 75);
    EXPECT_EQ(view->Document().Title(), "Bee [ 75 % ]");
    EXPECT_EQ(frame().WindowBarTabs().tabAt(0)->percent, 75);
    engine.playProgress(-1, 200);
    EXPECT_EQ(view->Progress(), 100);
    EXPECT_EQ(view->Document().Title(), "Bee"); // active and done: the plain title
    engine.setLocation("http://b.example/", "");
    engine.playProgress(1, 4);
    EXPECT_EQ(view->Document().Title(), "未命名 [ 25 % ]     ");
}

TEST_F(BrowserViewEvents, ABackgroundWindowKeepsItsDoneMarkUntilActivated) {
    start();
    CBrowserView* first = open();
    CBrowserView* second = open(false);
    ASSERT_EQ(app->ActiveView(), first);
    EXPECT_EQ(tabs(), "-* -");
    ASSERT_TRUE(engineOf(second).playLoad("http://bg.example/", "Background"));
    EXPECT_EQ(second->Document().Title(), "Background [ 100 % ]");
    EXPECT_EQ(tabs(), "-* Background [ 100 % ]");
    // The history keeps the plain title.
    EXPECT_EQ(second->History().Titles(), QStringList{"Background"});
    EXPECT_NE(addressText(), "http://bg.example/");

    second->ChildFrame()->Activate();
    EXPECT_EQ(app->ActiveView(), second);
    EXPECT_EQ(tabs(), "- Background*");
    EXPECT_EQ(second->Document().Title(), "Background");
    EXPECT_EQ(addressText(), "http://bg.example/");
}

TEST_F(BrowserViewEvents, KeepTitleLeavesCaptionAloneAtCompletion) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    view->Navigate("http://k.example/", CBrowserView::NothingToRemember, true);
    EXPECT_EQ(navigations(view), QStringList{"Navigate2 http://k.example/"});
    engine.setLocation("http://k.example/", "Kept");
    engine.playDocumentComplete("http://k.example/");
    EXPECT_EQ(view->Document().Title(), "");
    engine.playTitle("From the page");
    EXPECT_EQ(view->Document().Title(), "From the page");
    EXPECT_EQ(tabs(), "From the page*");
}

TEST_F(BrowserViewEvents, TheFirstUrlIsListedOnlyWhenAsked) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    view->Navigate("http://typed.example/", CBrowserView::RememberNextUrl);
    ASSERT_TRUE(engine.playBeforeNavigate("http://typed.example/"));
    EXPECT_EQ(view->FirstUrlState(), CBrowserView::UrlRemembered);
    // A redirect does not replace the remembered address.
    ASSERT_TRUE(engine.playBeforeNavigate("http://typed.example/redirected"));
    EXPECT_EQ(view->FirstUrl(), "http://typed.example/");
    engine.playNavigateComplete("http://typed.example/redirected");
    EXPECT_EQ(view->FirstUrlState(), CBrowserView::NothingToRemember);
    EXPECT_EQ(frame().AddressBox()->findText("http://typed.example/"), 0);

    const int listed = frame().AddressBox()->count();
    view->Navigate("http://not-listed.example/");
    ASSERT_TRUE(engine.playLoad("http://not-listed.example/", "N"));
    EXPECT_EQ(frame().AddressBox()->count(), listed);
}

TEST_F(BrowserViewEvents, ScriptAddressesChangeNeitherAddressNorCurrentUrl) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    ASSERT_TRUE(engine.playLoad("http://page.example/", "P"));
    ASSERT_TRUE(engine.playBeforeNavigate("javascript:doIt()"));
    EXPECT_EQ(addressText(), "http://page.example/");
    EXPECT_EQ(view->CurrentUrl(), "http://page.example/");
}

TEST_F(BrowserViewEvents, StatusTextCommandStateAndDownloads) {
    start();
    CBrowserView* background = open();
    CBrowserView* view = open();
    engineOf(view).playStatusText("Loading things");
    EXPECT_EQ(frame().StatusPane()->text(), "Loading things");
    EXPECT_EQ(view->SavedStatusText(), "Loading things");
    engineOf(background).playStatusText("Not shown");
    EXPECT_EQ(frame().StatusPane()->text(), "Loading things");
    EXPECT_TRUE(background->SavedStatusText().isEmpty());

    engineOf(view).playCommandState(2, true);
    engineOf(view).playCommandState(7, true);
    EXPECT_TRUE(view->BackEnabled());
    EXPECT_FALSE(view->ForwardEnabled());
    EXPECT_TRUE(app->Router().isEnabled(cmd::GoBack));
    EXPECT_FALSE(app->Router().isEnabled(cmd::GoForward));

    engineOf(view).setBusy(true);
    engineOf(view).playDownloadBegin();
    EXPECT_TRUE(view->IsBusy());
    EXPECT_TRUE(frame().IsBusyAnimationPlaying());
    EXPECT_TRUE(app->Router().isEnabled(cmd::Stop));
    engineOf(view).setBusy(false);
    engineOf(view).playDownloadComplete();
    EXPECT_FALSE(view->IsBusy());
    EXPECT_FALSE(frame().IsBusyAnimationPlaying());
}

TEST_F(BrowserViewEvents, HistoryMenuStepsBackOneCallPerEntry) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    for (const char* page : {"a", "b", "c", "d"})
        ASSERT_TRUE(engine.playLoad(QStringLiteral("http://%1.example/").arg(page),
                                    QString(page).toUpper()));
    const auto back = view->HistoryMenuItems(false);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0], std::make_pair(cmd::History.at(2), QString("C")));
    EXPECT_EQ(back[2], std::make_pair(cmd::History.at(0), QString("A")));
    EXPECT_TRUE(view->HistoryMenuItems(true).empty());
    EXPECT_EQ(view->HistoryPrompt(cmd::History.at(1)), "http://b.example/");
    EXPECT_EQ(frame().Binder().promptFor(cmd::History.at(1)), "http://b.example/");

    engine.clearCalls();
    EXPECT_TRUE(app->Router().execute(cmd::History.at(0)));
    EXPECT_EQ(engine.calls(), (QStringList{"GoBack", "GoBack", "GoBack"}));

    // The engine went back: the forward menu lists what lies ahead.
    engine.clearCalls();
    engine.setLocation("http://a.example/", "A");
    app->Router().execute(cmd::History.at(2));
    EXPECT_EQ(engine.calls(), (QStringList{"GoForward", "GoForward"}));
    // The drop-down menu of the back button holds the same entries.
    ASSERT_TRUE(engine.playLoad("http://c.example/", "C"));
    QMenu* menu = frame().DropDownMenu(cmd::GoBack);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "B");
    EXPECT_EQ(CommandBinder::commandId(menu->actions()[1]), cmd::History.at(0));
}

TEST_F(BrowserViewEvents, ClosingTheActiveWindowRemovesItsTabAndActivatesTheNext) {
    start();
    settings().ActivateMode = 1;
    CBrowserView* a = open();
    CBrowserView* b = open();
    CBrowserView* c = open();
    Q_UNUSED(c);
    engineOf(a).setLocation("http://a.example/", "A");
    engineOf(b).setLocation("http://b.example/", "B");
    engineOf(a).playTitle("A");
    engineOf(b).playTitle("B");
    a->ChildFrame()->Activate();
    ASSERT_EQ(app->ActiveView(), a);
    ASSERT_TRUE(app->Router().execute(cmd::FileClose));
    settle();
    EXPECT_EQ(views().size(), 2u);
    EXPECT_EQ(app->ActiveView(), b);
    EXPECT_EQ(tabs().count('*'), 1);
    EXPECT_TRUE(tabs().startsWith("B*"));
}

TEST_F(BrowserViewEvents, AFailedNavigationPutsTheAddressBackForCorrecting) {
    start();
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    frame().AddressBox()->setFocus();
    view->Navigate("http://no-such-host.example/", CBrowserView::RememberNextUrl);
    ASSERT_TRUE(engine.playBeforeNavigate("http://no-such-host.example/"));
    engine.playDocumentComplete("http://no-such-host.example/");
    view->setFocus();
    engine.playNavigateError("http://no-such-host.example/");
    QComboBox* box = frame().AddressBox();
    EXPECT_EQ(box->currentText(), "http://no-such-host.example/");
    EXPECT_EQ(box->lineEdit()->selectedText(), "http://no-such-host.example/");
    EXPECT_EQ(frame().focusWidget(), box);
    EXPECT_EQ(view->Progress(), 100);
    // The failed address is not kept as a typed one, not even when the page
    // moves on by itself.
    EXPECT_EQ(view->FirstUrlState(), CBrowserView::NothingToRemember);
    engine.playNavigateComplete("http://elsewhere.example/");
    EXPECT_EQ(box->findText("http://no-such-host.example/"), -1);

    // A window in the background keeps the box as it is.
    CBrowserView* other = open(false);
    box->setEditText(QStringLiteral("mine"));
    engineOf(other).playNavigateError("http://other.example/");
    EXPECT_EQ(box->currentText(), "mine");
}
