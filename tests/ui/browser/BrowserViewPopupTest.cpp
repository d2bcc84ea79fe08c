#include "BrowserFixture.h"

#include <QTest>

namespace {

class BrowserViewPopups : public BrowserFixture {
protected:
    // The window a page of opener asks for; null when refused.
    CBrowserView* popupOf(CBrowserView* opener) {
        const ScriptedEngine::NewWindowAnswer answer = engineOf(opener).playNewWindow();
        if (answer.cancelled || !answer.window)
            return nullptr;
        for (CBrowserView* view : views())
            if (view->Engine() == answer.window)
                return view;
        return nullptr;
    }
};

} // namespace

TEST_F(BrowserViewPopups, APopupWaitsHiddenForItsFirstRealAddress) {
    start();
    CBrowserView* opener = open();
    ASSERT_TRUE(engineOf(opener).playLoad("http://opener.example/", "Opener"));
    CBrowserView* popup = popupOf(opener);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->popupState(), CBrowserView::PopupState::AwaitingFirstUrl);
    EXPECT_FALSE(popup->ChildFrame()->isVisible());
    EXPECT_EQ(tabs(), "Opener*");

    // about:blank passes and the window stays hidden.
    EXPECT_TRUE(engineOf(popup).playBeforeNavigate("about:blank"));
    EXPECT_EQ(popup->popupState(), CBrowserView::PopupState::AwaitingFirstUrl);
    EXPECT_FALSE(popup->ChildFrame()->isVisible());

    // Any other address gives it a tab and shows it.
    settings().ActivateNewWindow = 1;
    EXPECT_TRUE(engineOf(popup).playLoad("http://content.example/", "Content"));
    EXPECT_EQ(popup->popupState(), CBrowserView::PopupState::Normal);
    EXPECT_TRUE(popup->ChildFrame()->isVisible());
    EXPECT_EQ(app->ActiveView(), popup);
    EXPECT_EQ(tabs(), "Opener Content*");
}

TEST_F(BrowserViewPopups, AnAutoCloseMatchClosesThePopupBeforeItIsSeen) {
    start();
    settings().AutoClose = QStringList{"!http://ads.example/*", "http://ADS.example/*"};
    CBrowserView* opener = open();
    CBrowserView* popup = popupOf(opener);
    ASSERT_NE(popup, nullptr);
    QPointer<CChildFrame> popupFrame = popup->ChildFrame();
    EXPECT_FALSE(engineOf(popup).playBeforeNavigate("http://ads.example/banner"));
    EXPECT_EQ(popup->popupState(), CBrowserView::PopupState::Closing);
    // Every later navigation is refused as well.
    EXPECT_FALSE(engineOf(popup).playBeforeNavigate("http://elsewhere.example/"));
    settle();
    EXPECT_TRUE(popupFrame.isNull());
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(tabs(), "-*");
}

TEST_F(BrowserViewPopups, ClosePopupsRefusesWindowsWithoutAClickOnAnElement) {
    withWidgets = true;
    start();
    settings().ClosePopups = 1;
    CBrowserView* opener = open();
    EXPECT_EQ(popupOf(opener), nullptr);
    EXPECT_EQ(views().size(), 1u);

    // A mouse press on an element of the page allows one window.
    engineOf(opener).setElementAt(QPoint(10, 20), true);
    QTest::mousePress(opener->Engine()->Widget(), Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_EQ(opener->ClickPoint(), QPoint(10, 20));
    CBrowserView* popup = popupOf(opener);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(opener->ClickPoint(), QPoint(-1, -1));
    // The auto-close rule does not close a window the user clicked open.
    EXPECT_EQ(popup->popupState(), CBrowserView::PopupState::AwaitingFirstUrl);
}

TEST_F(BrowserViewPopups, PressesOnInnerWidgetsOfTheEngineCountInItsCoordinates) {
    withWidgets = true;
    start();
    CBrowserView* view = open();
    // An inner widget the engine adds later (pages draw in such a child).
    auto* inner = new QWidget(view->Engine()->Widget());
    inner->setGeometry(10, 20, 100, 100);
    QTest::mousePress(inner, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(view->ClickPoint(), QPoint(15, 25));
    // A widget outside the engine's is not the page's.
    QWidget stranger;
    stranger.installEventFilter(view);
    QTest::mousePress(&stranger, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(view->ClickPoint(), QPoint(15, 25));
}

TEST_F(BrowserViewPopups, TheSecondEngineKeepsTheClickForFurtherWindows) {
    withWidgets = true;
    mozillaAvailable = true;
    start();
    settings().ClosePopups = 1;
    CBrowserView* opener = open(true, 1);
    ASSERT_NE(opener, nullptr);
    engineOf(opener).setElementAt(QPoint(5, 5), true);
    QTest::mousePress(opener->Engine()->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    CBrowserView* first = popupOf(opener);
    CBrowserView* second = popupOf(opener);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->EngineKind(), 1);
}

TEST_F(BrowserViewPopups, ALockedWindowOpensTopLevelNavigationsElsewhere) {
    start();
    CBrowserView* locked = open();
    ASSERT_TRUE(engineOf(locked).playLoad("http://locked.example/", "Locked"));
    ASSERT_TRUE(app->Router().execute(cmd::LockWindow));
    EXPECT_TRUE(locked->IsLocked());
    EXPECT_TRUE(frame().WindowBarTabs().tabAt(0)->locked());
    // Frames navigate in place.
    EXPECT_TRUE(engineOf(locked).playFrameLoad("http://frame.example/", "left"));
    EXPECT_EQ(views().size(), 1u);
    // A top-level navigation goes to a new window.
    EXPECT_FALSE(engineOf(locked).playBeforeNavigate("http://next.example/"));
    ASSERT_EQ(views().size(), 2u);
    CBrowserView* opened = views()[1];
    EXPECT_EQ(navigations(opened), QStringList{"Navigate2 http://next.example/"});
    EXPECT_EQ(tabs(), "Locked!* -");

    // When no window can be made the navigation goes on here.
    CBrowserView::engineFactory() = [](int, QWidget*) { return nullptr; };
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_TRUE(engineOf(locked).playBeforeNavigate("http://stay.example/"));
    EXPECT_EQ(locked->CurrentUrl(), "http://stay.example/");
}

TEST_F(BrowserViewPopups, AMiddleClickOnALinkOpensItInANewWindow) {
    withWidgets = true;
    start();
    settings().MButtonOpenLinkInNew = 1;
    CBrowserView* view = open();
    ScriptedEngine& engine = engineOf(view);
    QWidget* page = view->Engine()->Widget();
    // Nothing under the point: the engine gets the click itself.
    QTest::mousePress(page, Qt::MiddleButton, {}, QPoint(50, 60));
    EXPECT_FALSE(view->MiddleClickPending());

    engine.setElementAt(QPoint(30, 40), true);
    QTest::mousePress(page, Qt::MiddleButton, {}, QPoint(30, 40));
    EXPECT_TRUE(view->MiddleClickPending());
    EXPECT_TRUE(engine.calls().contains("ClickElementAt 30,40"));
    EXPECT_FALSE(engine.playBeforeNavigate("http://link.example/"));
    EXPECT_FALSE(view->MiddleClickPending());
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(navigations(views()[1]), QStringList{"Navigate2 http://link.example/"});

    // A left press in between cancels the pending middle click.
    QTest::mousePress(page, Qt::MiddleButton, {}, QPoint(30, 40));
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_FALSE(view->MiddleClickPending());
    EXPECT_TRUE(engine.playBeforeNavigate("http://here.example/"));
    EXPECT_EQ(views().size(), 2u);
}

TEST_F(BrowserViewPopups, APageClosingItsWindowAsksFirst) {
    start();
    settings().ConfirmUserClose = 1;
    CBrowserView* view = open();
    QPointer<CChildFrame> frameOfView = view->ChildFrame();
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    EXPECT_TRUE(engineOf(view).playWindowClosing());
    settle();
    ASSERT_FALSE(frameOfView.isNull());
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::ConfirmPageClose));

    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    EXPECT_FALSE(engineOf(view).playWindowClosing());
    EXPECT_EQ(settings().ConfirmUserClose, 0);
    settle();
    EXPECT_TRUE(frameOfView.isNull());
}
