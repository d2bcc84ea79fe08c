// The main window's modes: the notification area (against a stand-in icon),
// always on top and full screen, driven through the command router as the
// menus and keys drive them.
#include "FrameFixture.h"

#include "frame/CSystemTray.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// The notification area as the tests see it.
struct TrayState {
    bool available = true;
    int adds = 0;
    bool added = false;
    QString tip;
    QMenu* menu = nullptr;
    ITrayIcon* icon = nullptr;
};

class StandInTrayIcon final : public ITrayIcon {
public:
    explicit StandInTrayIcon(TrayState& state) : m_state(state) { m_state.icon = this; }
    ~StandInTrayIcon() override { m_state.icon = nullptr; }
    bool IsAvailable() const override { return m_state.available; }
    void Add(const QIcon&, const QString& tip, QMenu* menu) override {
        ++m_state.adds;
        m_state.added = true;
        m_state.tip = tip;
        m_state.menu = menu;
    }
    void Remove() override { m_state.added = false; }
    bool IsAdded() const override { return m_state.added; }
    void LeftClick() const { Clicked(); }

private:
    TrayState& m_state;
};

class WindowModesTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        CSystemTray::SetIconFactory([this] { return std::make_unique<StandInTrayIcon>(tray); });
        frame = makeFrame();
        frame->setGeometry(120, 90, 640, 480);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        frame.reset();
        CSystemTray::SetIconFactory({});
        FrameFixture::TearDown();
    }

    bool run(unsigned id) { return host->router.execute(id); }
    bool checked(unsigned id) const { return host->router.stateOf(id).isChecked(); }
    void minimise() {
        frame->showMinimized();
        // The tray hides the window once minimising has finished.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void clickTrayIcon() { static_cast<StandInTrayIcon*>(tray.icon)->LeftClick(); }

    TrayState tray;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(WindowModesTest, MinimisingToTheTrayTakesEffectAtTheNextMinimiseOnly) {
    EXPECT_FALSE(checked(cmd::MinimizeToSystray));
    ASSERT_TRUE(run(cmd::MinimizeToSystray));
    EXPECT_TRUE(checked(cmd::MinimizeToSystray));
    EXPECT_EQ(host->settings.MinimizeToSystray, 1);
    QApplication::processEvents();
    EXPECT_EQ(tray.adds, 0) << "no icon while the window is visible";
    EXPECT_TRUE(frame->isVisible());

    minimise();
    EXPECT_EQ(tray.adds, 1);
    EXPECT_TRUE(tray.added);
    EXPECT_EQ(tray.tip, res::loadString(sid::AppName));
    EXPECT_FALSE(frame->isVisible()) << "hidden behind the icon";

    // A left click brings it back as it was, and the icon goes.
    clickTrayIcon();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_FALSE(tray.added);

    // Switched off: minimising is ordinary again.
    ASSERT_TRUE(run(cmd::MinimizeToSystray));
    minimise();
    EXPECT_EQ(tray.adds, 1);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMinimized());
}

TEST_F(WindowModesTest, AMaximisedWindowComesBackFromTheTrayMaximisedThroughItsMenu) {
    host->settings.MinimizeToSystray = 1;
    frame->showMaximized();
    QApplication::processEvents();
    minimise();
    ASSERT_TRUE(tray.added);
    ASSERT_NE(tray.menu, nullptr);
    const QList<QAction*> items = tray.menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(CommandBinder::commandId(items[0]), cmd::TrayShowWindow);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(CommandBinder::commandId(items[2]), cmd::TrayExit);
    EXPECT_TRUE(host->router.isEnabled(cmd::TrayShowWindow));
    EXPECT_TRUE(host->router.isEnabled(cmd::TrayExit));

    items[0]->trigger();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(tray.added);
}

TEST_F(WindowModesTest, WithoutANotificationAreaTheWindowIsMinimisedNormallyAndSaysWhy) {
    host->settings.MinimizeToSystray = 1;
    tray.available = false;
    minimise();
    EXPECT_EQ(tray.adds, 0);
    EXPECT_TRUE(frame->isVisible()) << "never hidden with no way back";
    EXPECT_TRUE(frame->isMinimized());
    frame->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(frame->statusBar()->currentMessage(), res::loadString(sid::NoNotificationArea));

    // A notification area that appears later is used at the next minimise.
    tray.available = true;
    minimise();
    EXPECT_TRUE(tray.added);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(WindowModesTest, ExitFromTheTrayAsksTheExitQuestionLikeAnyClose) {
    host->settings.MinimizeToSystray = 1;
    host->settings.ConfirmExitApp = 1;
    minimise();
    ASSERT_TRUE(tray.added);

    // No: the icon is gone and the window waits minimised the ordinary way.
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    ASSERT_TRUE(run(cmd::TrayExit));
    ASSERT_EQ(DialogRunner::instance().history().size(), 1u);
    EXPECT_EQ(DialogRunner::instance().history().back().text, res::loadString(sid::ConfirmExit));
    EXPECT_FALSE(tray.added);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_FALSE(frame->IsClosing());
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_FALSE(tray.added) << "not hidden again behind the user's back";

    // Yes from the tray closes the program.
    frame->showNormal();
    minimise();
    ASSERT_TRUE(tray.added);
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    ASSERT_TRUE(run(cmd::TrayExit));
    EXPECT_TRUE(frame->IsClosing());
    EXPECT_FALSE(tray.added);
}

TEST_F(WindowModesTest, LeavingFullScreenRestoresTheNormalPlacement) {
    const QRect before = frame->geometry();
    EXPECT_FALSE(checked(cmd::FullScreen));
    ASSERT_TRUE(run(cmd::FullScreen));
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(checked(cmd::FullScreen));
    EXPECT_TRUE(frame->menuBar()->isVisible()) << "the bars stay as they are";

    ASSERT_TRUE(run(cmd::FullScreen));
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_FALSE(checked(cmd::FullScreen));
    EXPECT_EQ(frame->geometry(), before);
}

TEST_F(WindowModesTest, LeavingFullScreenRestoresAMaximisedWindowMaximised) {
    const QRect normal = frame->geometry();
    frame->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(run(cmd::FullScreen));
    EXPECT_TRUE(frame->isFullScreen());
    // Full screen is not kept between runs: what would be saved now is the
    // maximised window over its normal rectangle.
    const WindowPlacement saved = frame->CurrentPlacement();
    EXPECT_EQ(saved.showCmd, kShowMaximized);
    EXPECT_EQ(saved.normalPosition.left, normal.left());
    EXPECT_EQ(saved.normalPosition.top, normal.top());
    EXPECT_EQ(saved.normalPosition.right, normal.left() + normal.width());
    ASSERT_TRUE(run(cmd::FullScreen));
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(frame->isFullScreen());
    frame->showNormal();
    EXPECT_EQ(frame->geometry(), normal) << "the normal placement under it is kept";
}

TEST_F(WindowModesTest, AlwaysOnTopFollowsTheSettingAndKeepsTheWindowWhereItWas) {
    const QRect before = frame->geometry();
    const WId native = frame->winId();
    EXPECT_FALSE(checked(cmd::AlwaysOnTop));
    ASSERT_TRUE(run(cmd::AlwaysOnTop));
    EXPECT_EQ(host->settings.AlwaysOnTop, 1);
    EXPECT_TRUE(checked(cmd::AlwaysOnTop));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), before);
    EXPECT_EQ(frame->winId(), native) << "the pages' native window is never made anew";

    ASSERT_TRUE(run(cmd::AlwaysOnTop));
    EXPECT_EQ(host->settings.AlwaysOnTop, 0);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frame->isVisible());

    // The command decides by the setting, whatever the window's flags say.
    host->settings.AlwaysOnTop = 1;
    ASSERT_TRUE(run(cmd::AlwaysOnTop));
    EXPECT_EQ(host->settings.AlwaysOnTop, 0);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
