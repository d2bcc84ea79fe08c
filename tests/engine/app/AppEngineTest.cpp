// The whole program with the real web engine on pages of a loopback
// server: what a user sees while pages open windows, fail and take keys.
#include "engine/engine/EngineFixture.h"

#include "addressbar/CAddressBar.h"
#include "app/CQuorrelin.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "frame/WindowBarModel.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "ui/windowbar/ActiveWindowAgreement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlatformSurfaceEvent>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

// A link that fills the top left of the page, at a known place.
QByteArray bigLink(const QByteArray& attributes) {
    return "<a " + attributes +
           " style='position:absolute;left:0;top:0;width:300px;height:200px;display:block'>"
           "link</a><p style='position:absolute;top:300px'>Some words to copy</p>";
}

// Counts the native windows a window gets made for it.
class SurfaceWatch : public QObject {
public:
    int created = 0;
    int destroyed = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface) {
            const auto* surface = static_cast<QPlatformSurfaceEvent*>(event);
            if (surface->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated)
                ++created;
            else
                ++destroyed;
        }
        return false;
    }
};

// Counts the browser windows made in a window area, however briefly.
class WindowsMade : public QObject {
public:
    int made = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded &&
            qobject_cast<CChildFrame*>(static_cast<QChildEvent*>(event)->child()))
            ++made;
        return false;
    }
};

class AppEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        useFreshRegistryAndScriptedDialogs();
        const platform::RegKey settings = platform::RegKey::create(
            platform::RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
        settings.setDword("CheckDefaultBrowser", 0);
        settings.setDword("ConfirmExitApp", 0);
        settings.setDword("AppendNewWindow", 1);
        ASSERT_TRUE(server.start());
        server.addPage("/target", page("Target"));
        server.addPage("/ads", page("Ads"));
        server.addPage("/blank", page("Opener", bigLink("href='/target' target='_blank'")));
        server.addPage("/open", page("Opener", bigLink("href='#' onclick=\"window.open('/ads');"
                                                       "return false;\"")));
    }
    void TearDown() override {
        app.reset();
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DialogRunner::instance().reset();
    }

    void start() {
        app = std::make_unique<CQuorrelin>();
        ASSERT_TRUE(app->InitInstance({}));
        frame().resize(1000, 800);
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
    }
    CMainFrame& frame() { return *app->MainFrame(); }
    CAppSettings& settings() { return app->Settings(); }

    // A new window on url, loaded.
    CBrowserView* openLoaded(const QString& path) {
        CBrowserView* view = app->OpenNewWindow(0, server.url(path));
        EXPECT_NE(view, nullptr);
        EXPECT_TRUE(waitFor([&] { return view && view->Progress() == 100 && !view->IsBusy(); }));
        return view;
    }
    static QWidget* pageInput(CBrowserView* view) {
        auto* web = qobject_cast<QWebEngineView*>(view->Engine()->Widget());
        return web ? web->focusProxy() : nullptr;
    }
    // Clicks the big link of view's page until count windows are open.
    bool clickLinkUntil(CBrowserView* view, std::size_t count) {
        QWidget* input = pageInput(view);
        if (!input)
            return false;
        QElapsedTimer sinceClick;
        return waitFor([&] {
            if (app->AllViews().size() >= count)
                return true;
            if (!sinceClick.isValid() || sinceClick.elapsed() > 1500) {
                QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(100, 80));
                sinceClick.start();
            }
            return false;
        });
    }
    // Waits until every window has finished loading and the main window's
    // parts have caught up.
    void settle() {
        waitFor([&] {
            for (CBrowserView* view : app->AllViews())
                if (view->IsBusy() || view->Progress() < 100)
                    return false;
            return true;
        });
        QTest::qWait(300);
    }

    TestHttpServer server;
    std::unique_ptr<CQuorrelin> app;
};

} // namespace

TEST_F(AppEngineTest, TheMainWindowKeepsItsNativeWindowWhenPagesAppear) {
    start();
    QWindow* window = frame().windowHandle();
    ASSERT_NE(window, nullptr);
    const WId id = frame().winId();
    SurfaceWatch watch;
    window->installEventFilter(&watch);
    openLoaded("/target");
    openLoaded("/target");
    EXPECT_EQ(frame().winId(), id);
    EXPECT_EQ(frame().windowHandle(), window);
    EXPECT_EQ(watch.destroyed, 0);
    EXPECT_EQ(watch.created, 0);
}

TEST_F(AppEngineTest, ALinkToANewWindowAmongMaximisedWindows) {
    start();
    settings().ActivateNewWindow = 1;
    settings().ClosePopups = 0;
    openLoaded("/target");
    CBrowserView* opener = openLoaded("/blank");
    opener->ChildFrame()->showMaximized();
    settle();
    ASSERT_TRUE(ActiveWindowAgrees(frame()));
    ASSERT_TRUE(clickLinkUntil(opener, 3));
    settle();
    CBrowserView* opened = app->ActiveView();
    ASSERT_NE(opened, opener);
    EXPECT_TRUE(opened->ChildFrame()->isMaximized());
    EXPECT_EQ(frame().WindowBarTabs().describe(), "Target Opener Target*");
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
}

TEST_F(AppEngineTest, ALinkToANewWindowNotToBeActivated) {
    start();
    settings().ActivateNewWindow = 0;
    settings().ClosePopups = 0;
    CBrowserView* opener = openLoaded("/blank");
    ASSERT_TRUE(clickLinkUntil(opener, 2));
    settle();
    EXPECT_EQ(app->ActiveView(), opener);
    EXPECT_EQ(frame().WindowBarTabs().describe(), "Opener* Target [ 100 % ]");
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
}

TEST_F(AppEngineTest, APopupOnTheAutoCloseListLeavesTheActiveWindowAlone) {
    start();
    settings().ClosePopups = 0;
    settings().AutoClose = QStringList{server.url("/ads")};
    openLoaded("/target");
    CBrowserView* opener = openLoaded("/open");
    opener->ChildFrame()->showMaximized();
    settle();
    QWidget* input = pageInput(opener);
    ASSERT_NE(input, nullptr);
    WindowsMade windows;
    frame().MdiArea()->viewport()->installEventFilter(&windows);
    ASSERT_TRUE(waitFor([&] {
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(100, 80));
        QTest::qWait(500);
        return windows.made > 0;
    }));
    settle();
    EXPECT_FALSE(server.requested("/ads"));
    EXPECT_EQ(app->AllViews().size(), 2u);
    EXPECT_EQ(app->ActiveView(), opener);
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
}

TEST_F(AppEngineTest, KeysOfTheMainWindowWorkWithTheFocusInAPage) {
    start();
    CBrowserView* first = openLoaded("/blank");
    CBrowserView* second = openLoaded("/blank");
    QWidget* input = pageInput(second);
    ASSERT_NE(input, nullptr);
    // The window's own focus: tests of other windows may hold the
    // display's, and the main window's keys work either way.
    input->setFocus();
    ASSERT_TRUE(waitFor([&] { return frame().focusWidget() == input; }));

    // Select all and copy go to the program's commands, not to the page's
    // own handling of the keys (copy runs once the page has a selection).
    QSignalSpy executed(&frame().Binder(), &CommandBinder::commandExecuted);
    QShortcut* copyKey = nullptr;
    for (QShortcut* shortcut : frame().findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_C))
            copyKey = shortcut;
    ASSERT_NE(copyKey, nullptr);
    QSignalSpy copied(copyKey, &QShortcut::activated);
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    ASSERT_GE(executed.size(), 1);
    EXPECT_EQ(executed.at(0).at(0).toUInt(), cmd::EditSelectAll);
    EXPECT_EQ(copied.size(), 1);

    // F9 goes to the other window; Alt+D into the address box without a
    // letter typed there.
    QTest::keyClick(input, Qt::Key_F9);
    EXPECT_EQ(app->ActiveView(), first);
    QTest::keyClick(frame().focusWidget(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(frame().AddressBar()->HasFocus());
    EXPECT_EQ(frame().AddressBox()->currentText(), server.url("/blank"));

    // Ctrl+W and Ctrl+F4 close the window whose page has the focus.
    input = pageInput(first);
    input->setFocus();
    QTest::keyClick(input, Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return app->AllViews().size() == 1; }));
    input = pageInput(second);
    input->setFocus();
    QTest::keyClick(input, Qt::Key_F4, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return app->AllViews().empty(); }));
}

TEST_F(AppEngineTest, TypedTextThatIsNoAddressEndsWithAnErrorPage) {
    start();
    openLoaded("/target");
    QComboBox* box = frame().AddressBox();
    box->setFocus();
    box->lineEdit()->setText(QStringLiteral("foo bar"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] {
        CBrowserView* view = app->ActiveView();
        return view && view->Progress() == 100 && !view->IsBusy();
    }));
    CBrowserView* view = app->ActiveView();
    EXPECT_EQ(view->LocationURL(), "foo bar");
    EXPECT_EQ(frame().WindowBarTabs().describe(), "无法打开该地址*");
    // The text is back in the box, selected, ready to be corrected.
    EXPECT_TRUE(frame().AddressBar()->HasFocus());
    EXPECT_EQ(box->currentText(), "foo bar");
    EXPECT_EQ(box->lineEdit()->selectedText(), "foo bar");
    // And it is not kept as a typed address.
    EXPECT_EQ(box->findText("foo bar"), -1);
}

namespace {

// Whether the engine draws view's page now.
bool drawn(CBrowserView* view) {
    auto* web = qobject_cast<QWebEngineView*>(view->Engine()->Widget());
    return web && web->page()->isVisible();
}

// The views whose pages are drawn, as their positions in views ("0 2").
QString drawnOf(const std::vector<CBrowserView*>& views) {
    QStringList shown;
    for (std::size_t i = 0; i < views.size(); ++i)
        if (drawn(views[i]))
            shown << QString::number(i);
    return shown.join(' ');
}

} // namespace

TEST_F(AppEngineTest, OnlyPagesTheUserCanSeeAreDrawn) {
    start();
    std::vector<CBrowserView*> views;
    for (int i = 0; i < 4; ++i)
        views.push_back(openLoaded("/target"));
    settle();
    // Normal windows overlapping each other all count as seen.
    EXPECT_EQ(drawnOf(views), "0 1 2 3");
    views[3]->ChildFrame()->showMaximized();
    settle();
    EXPECT_EQ(drawnOf(views), "3");
    EXPECT_TRUE(ActiveWindowAgrees(frame()));

    // The main window minimised: nothing; restored: the active page is
    // drawn before the window shows again.
    frame().showMinimized();
    QTest::qWait(200);
    EXPECT_EQ(drawnOf(views), "");
    frame().showNormal();
    EXPECT_TRUE(drawn(views[3]));
    QTest::qWait(200);
    EXPECT_EQ(drawnOf(views), "3");

    // Hidden (as in the notification area) and shown again likewise; the
    // views' own showing does not draw the covered pages.
    frame().hide();
    QTest::qWait(200);
    EXPECT_EQ(drawnOf(views), "");
    frame().show();
    EXPECT_TRUE(drawn(views[3]));
    QTest::qWait(200);
    EXPECT_EQ(drawnOf(views), "3");

    // Switching with the window bar draws the new page as it activates it.
    CWindowBar* bar = frame().WindowBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->itemRect(1).center());
    EXPECT_EQ(app->ActiveView(), views[1]);
    EXPECT_TRUE(drawn(views[1]));
    settle();
    EXPECT_EQ(drawnOf(views), "1");
    EXPECT_TRUE(ActiveWindowAgrees(frame()));

    // A window minimised shows no page; tiled, every other one is seen.
    views[1]->ChildFrame()->showMinimized();
    settle();
    EXPECT_FALSE(drawn(views[1]));
    frame().Windows().tileWindows(Qt::Vertical);
    settle();
    EXPECT_EQ(drawnOf(views), "0 2 3");
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
}

TEST_F(AppEngineTest, AWindowOpenedBehindAMaximisedOneLoadsAndTitlesUndrawn) {
    start();
    CBrowserView* front = openLoaded("/target");
    front->ChildFrame()->showMaximized();
    settle();
    CBrowserView* behind = app->CreateBrowserWindow(0, false, true);
    ASSERT_NE(behind, nullptr);
    behind->Navigate(server.url("/ads"));
    ASSERT_TRUE(waitFor([&] { return behind->Progress() == 100 && !behind->IsBusy(); }));
    EXPECT_EQ(behind->DisplayTitle(), "Ads");
    EXPECT_FALSE(drawn(behind));
    EXPECT_TRUE(drawn(front));
    EXPECT_EQ(app->ActiveView(), front);
    EXPECT_TRUE(ActiveWindowAgrees(frame()));
}
