// Which window is active, and whether every part of the main window says
// the same, while pages open windows, windows are arranged and pages load.
#include "ui/browser/BrowserFixture.h"
#include "ui/windowbar/ActiveWindowAgreement.h"

#include "frame/CWindowManager.h"

#include <QMdiSubWindow>
#include <QStyle>

namespace {

class ActiveWindow : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        start();
        settings().AppendNewWindow = 1;
        settings().ClosePopups = 0;
    }
    void TearDown() override {
        if (app) {
            EXPECT_TRUE(ActiveWindowAgrees(frame()));
        }
        BrowserFixture::TearDown();
    }

    CBrowserView* openLoaded(const QString& name) {
        CBrowserView* view = open();
        engineOf(view).playLoad("http://" + name.toLower() + ".example/", name);
        settle();
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
        return view;
    }
    // The window a page of opener opens on url (null when none shows).
    CBrowserView* popupFrom(CBrowserView* opener, const QString& url) {
        const ScriptedEngine::NewWindowAnswer answer = engineOf(opener).playNewWindow();
        CBrowserView* popup = nullptr;
        for (CBrowserView* view : views())
            if (answer.window && view->Engine() == answer.window)
                popup = view;
        if (popup && !engineOf(popup).playLoad(url, "Popup"))
            popup = nullptr; // refused: the window closes unseen
        settle();
        EXPECT_TRUE(ActiveWindowAgrees(frame()));
        return popup;
    }
    void maximize(CBrowserView* view) {
        view->ChildFrame()->showMaximized();
        settle();
        ASSERT_TRUE(ActiveWindowAgrees(frame()));
    }
    CBrowserView* active() const { return app->ActiveView(); }
};

} // namespace

TEST_F(ActiveWindow, APopupAmongMaximisedWindowsOpensMaximisedAndActive) {
    settings().ActivateNewWindow = 1;
    CBrowserView* a = openLoaded("A");
    CBrowserView* b = openLoaded("B");
    maximize(b);
    CBrowserView* popup = popupFrom(b, "http://popup.example/");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(active(), popup);
    EXPECT_TRUE(popup->ChildFrame()->isMaximized());
    EXPECT_EQ(tabs(), "A B Popup*");
    EXPECT_EQ(frame().windowTitle(), "Quorrelin - [Popup]");
    // Going back to the opener keeps the windows maximised.
    frame().Windows().activateView(b);
    settle();
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
    EXPECT_TRUE(b->ChildFrame()->isMaximized());
    EXPECT_FALSE(a->ChildFrame()->isHidden());
}

TEST_F(ActiveWindow, APopupNotToBeActivatedLeavesTheOpenerActive) {
    settings().ActivateNewWindow = 0;
    CBrowserView* a = openLoaded("A");
    CBrowserView* popup = popupFrom(a, "http://popup.example/");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(active(), a);
    EXPECT_TRUE(popup->ChildFrame()->isVisible());
    EXPECT_EQ(tabs(), "A* Popup [ 100 % ]");
    EXPECT_EQ(addressText(), "http://a.example/");

    // The same among maximised windows: the opener stays maximised on top.
    maximize(a);
    CBrowserView* second = popupFrom(a, "http://second.example/");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(active(), a);
    EXPECT_TRUE(a->ChildFrame()->isMaximized());
    EXPECT_TRUE(second->ChildFrame()->isVisible());
    EXPECT_EQ(frame().windowTitle(), "Quorrelin - [A]");
}

TEST_F(ActiveWindow, APopupOnTheAutoCloseListChangesNothingVisible) {
    settings().AutoClose = QStringList{"http://ads.example/*"};
    openLoaded("A");
    CBrowserView* b = openLoaded("B");
    maximize(b);
    EXPECT_EQ(popupFrom(b, "http://ads.example/banner"), nullptr);
    settle();
    EXPECT_EQ(active(), b);
    EXPECT_EQ(views().size(), 2u);
    EXPECT_EQ(frame().windowTitle(), "Quorrelin - [B]");
    EXPECT_EQ(addressText(), "http://b.example/");
}

TEST_F(ActiveWindow, ARefusedPopupSaysSoInTheStatusBar) {
    settings().ClosePopups = 1;
    CBrowserView* a = openLoaded("A");
    EXPECT_EQ(popupFrom(a, "http://popup.example/"), nullptr);
    EXPECT_EQ(frame().StatusPane()->text(), res::loadString(sid::PopupBlockedNotice));
    EXPECT_EQ(views().size(), 1u);
}

TEST_F(ActiveWindow, CascadeGivesEveryWindowTheSameSizeAndAVisibleStep) {
    std::vector<CBrowserView*> w{openLoaded("A"), openLoaded("B"), openLoaded("C")};
    frame().Windows().tileWindows(Qt::Vertical);
    maximize(w[1]);
    ASSERT_TRUE(app->Router().execute(cmd::WindowCascade));
    settle();
    const QSize size = CChildFrame::DefaultSize(frame().MdiArea()->viewport()->size());
    const int step =
        w[0]->ChildFrame()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, nullptr);
    ASSERT_GT(step, 0);
    QList<QPoint> corners;
    for (CBrowserView* view : w) {
        EXPECT_FALSE(view->ChildFrame()->isMaximized());
        EXPECT_EQ(view->ChildFrame()->size(), size);
        corners << view->ChildFrame()->pos();
    }
    // The active window ends last, on top, one step below the others.
    EXPECT_EQ(active(), w[1]);
    EXPECT_EQ(w[1]->ChildFrame()->pos(), QPoint(2 * step, 2 * step));
    EXPECT_EQ(QSet<QPoint>(corners.begin(), corners.end()).size(), 3);
    // From a cascade, again the same.
    ASSERT_TRUE(app->Router().execute(cmd::WindowCascade));
    EXPECT_EQ(w[1]->ChildFrame()->pos(), QPoint(2 * step, 2 * step));
    EXPECT_EQ(w[0]->ChildFrame()->size(), size);
}

TEST_F(ActiveWindow, TheCaptionFollowsLoadingMaximisingAndClosing) {
    CBrowserView* a = openLoaded("A");
    EXPECT_EQ(frame().windowTitle(), "A - Quorrelin");
    // A new page loading: the caption shows its progress at once.
    engineOf(a).playBeforeNavigate("http://slow.example/");
    engineOf(a).playDownloadBegin();
    engineOf(a).setLocation("http://slow.example/", "Slow");
    engineOf(a).playTitle("Slow");
    engineOf(a).playProgress(30, 100);
    EXPECT_EQ(frame().windowTitle(), "Slow [ 30 % ] - Quorrelin");
    maximize(a);
    EXPECT_EQ(frame().windowTitle(), "Quorrelin - [Slow [ 30 % ]]");
    engineOf(a).playProgress(100, 100);
    engineOf(a).playDocumentComplete("http://slow.example/");
    EXPECT_EQ(frame().windowTitle(), "Quorrelin - [Slow]");
    a->ChildFrame()->showNormal();
    EXPECT_EQ(frame().windowTitle(), "Slow - Quorrelin");
    a->ChildFrame()->close();
    settle();
    EXPECT_EQ(frame().windowTitle(), "Quorrelin");
}
