#include "frame/CSystemTray.h"

#include "app/CAppSettings.h"
#include "frame/CMainFrame.h"
#include "frame/CQtTrayIcon.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandIds.h"
#include "framework/MenuBuilder.h"
#include "res/MenuTable.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/AppIcons.h"

#include <QEvent>
#include <QStatusBar>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>

#include <utility>

namespace {

// The tip is at most 63 characters (the record's 64 with its end).
constexpr int kMaxTipLength = 63;
// How long the status bar says why the window was not hidden.
constexpr int kNoticeMs = 20000;

ITrayIcon::Factory& iconFactory() {
    static ITrayIcon::Factory factory;
    return factory;
}

} // namespace

CSystemTray::CSystemTray(CMainFrame& frame, IMainFrameHost& host)
    : m_frame(frame), m_host(host),
      m_icon(iconFactory() ? iconFactory()() : std::make_unique<CQtTrayIcon>()) {
    m_icon->SetClickHandler([this] { ShowWindow(); });
    registerCommands();
    m_frame.installEventFilter(this);
}

CSystemTray::~CSystemTray() {
    m_frame.removeEventFilter(this);
    m_icon->Remove();
    m_icon.reset();
    // The frame's child, built for the icon, goes with the icon.
    delete m_menu;
}

void CSystemTray::SetIconFactory(ITrayIcon::Factory factory) {
    iconFactory() = std::move(factory);
}

void CSystemTray::registerCommands() {
    commands().on(cmd::MinimizeToSystray, [this] {
        int& setting = m_host.Settings().MinimizeToSystray;
        // Takes effect at the next minimise: nothing is hidden now.
        setting = setting != 0 ? 0 : 1;
    });
    commands().onUpdate(cmd::MinimizeToSystray, [this](CommandState& state) {
        state.setCheck(m_host.Settings().MinimizeToSystray != 0);
    });
    commands().on(cmd::TrayShowWindow, [this] { ShowWindow(); });
    commands().on(cmd::TrayExit, [this] { m_frame.close(); });
}

void CSystemTray::ShowWindow() {
    leaveTray();
    m_frame.setWindowState(m_frame.windowState() & ~Qt::WindowMinimized);
    m_frame.show();
    m_frame.raise();
    m_frame.activateWindow();
}

void CSystemTray::leaveTray() { m_icon->Remove(); }

void CSystemTray::hideToTray() {
    if (!m_frame.isMinimized() || !m_frame.isVisible() || m_frame.IsClosing() ||
        m_closingFromTray || m_host.Settings().MinimizeToSystray == 0)
        return;
    if (!m_icon->IsAvailable()) {
        // Hidden with no icon there would be no way back: it stays an
        // ordinary minimised window, and the status bar tells why once the
        // window is back.
        m_noticePending = true;
        return;
    }
    if (!m_menu)
        m_menu = m_frame.Menus().buildPopup(res::SystrayMenu, 0, &m_frame);
    m_icon->Add(res::AppIcons::appIcon(),
                res::loadString(sid::AppName, QStringLiteral("Quorrelin")).left(kMaxTipLength),
                m_menu);
    const QScopedValueRollback hiding(m_hiding, true);
    m_frame.hide();
}

bool CSystemTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_frame)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowStateChange:
    case QEvent::Show:
        // Hiding a minimised window may report it as restored for a moment;
        // only a window that is visible again has left the tray.
        if (m_hiding || !m_frame.isVisible())
            break;
        if (m_frame.isMinimized()) {
            // After the window system has finished minimising.
            QTimer::singleShot(0, this, [this] { hideToTray(); });
        } else {
            m_closingFromTray = false;
            leaveTray();
            if (std::exchange(m_noticePending, false))
                m_frame.statusBar()->showMessage(res::loadString(sid::NoNotificationArea),
                                                 kNoticeMs);
        }
        break;
    case QEvent::Close:
        // A close from the tray's menu: the icon goes first and the window
        // becomes an ordinary minimised one, so the exit question has a
        // window to belong to and a No leaves the program reachable.
        if (m_icon->IsAdded() && !m_frame.IsClosing()) {
            m_closingFromTray = true;
            leaveTray();
            m_frame.showMinimized();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
