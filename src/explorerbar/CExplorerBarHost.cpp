#include "explorerbar/CExplorerBarHost.h"

#include "app/CAppSettings.h"
#include "browser/CBrowserView.h"
#include "explorerbar/CExplorerBar.h"
#include "explorerbar/ExplorerBarGeometry.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowBar.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/IdleUpdater.h"
#include "framework/MenuBuilder.h"
#include "res/MenuTable.h"
#include "system/VisitHistory.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMenu>

#include <memory>

namespace {

constexpr unsigned kPaneCommands[CExplorerBar::kPaneCount] = {
    cmd::ExplorerFolders, cmd::ExplorerHistory, cmd::ExplorerFavorites};

} // namespace

CExplorerBarHost::CExplorerBarHost(CMainFrame& frame, IMainFrameHost& host)
    : CExplorerBarHost(frame, host, SharedVisitHistory()) {}

CExplorerBarHost::CExplorerBarHost(CMainFrame& frame, IMainFrameHost& host,
                                   VisitHistory& history)
    : m_frame(frame), m_host(host), m_history(history) {
    registerCommands();
    const int stored = m_host.Settings().ExplorerBarViewType;
    if (stored >= 0 && stored < CExplorerBar::kPaneCount) {
        if (m_frame.isVisible()) {
            Show(stored);
        } else {
            // The bar's width depends on the frame's size, known once shown.
            m_openAtFirstShow = true;
            m_frame.installEventFilter(this);
        }
    }
}

CExplorerBarHost::~CExplorerBarHost() {
    m_frame.removeEventFilter(this);
    // The bar and its panes call this object: they go first.
    delete m_dock.data();
    for (auto& [id, action] : m_actions)
        delete action.data();
}

void CExplorerBarHost::registerCommands() {
    for (int index = 0; index < CExplorerBar::kPaneCount; ++index) {
        commands().on(kPaneCommands[index], [this, index] { Show(index); });
        commands().onUpdate(kPaneCommands[index], [this, index](CommandState& state) {
            state.setCheck(ShownPane() == index);
        });
    }
    commands().on(cmd::ExplorerOpen, [this] {
        if (m_bar)
            open(m_bar->SelectedAddress(), false, true);
    });
    commands().onUpdate(cmd::ExplorerOpen, [this](CommandState& state) {
        state.enable(m_frame.ActiveChildFrame() != nullptr);
    });
    commands().on(cmd::ExplorerOpenInNew, [this] {
        if (m_bar)
            open(m_bar->SelectedAddress(), true, true);
    });
    commands().on(cmd::ExplorerOpenInBackground, [this] {
        if (m_bar)
            open(m_bar->SelectedAddress(), true, false);
    });
}

bool CExplorerBarHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_frame && event->type() == QEvent::Show && m_openAtFirstShow) {
        m_openAtFirstShow = false;
        m_frame.removeEventFilter(this);
        if (!m_bar)
            Show(m_host.Settings().ExplorerBarViewType);
    }
    return QObject::eventFilter(watched, event);
}

CExplorerBar* CExplorerBarHost::Bar() const { return m_bar; }

int CExplorerBarHost::ShownPane() const { return m_bar ? m_bar->CurrentPane() : -1; }

void CExplorerBarHost::Show(int index) {
    if (index < 0 || index >= CExplorerBar::kPaneCount)
        return;
    m_openAtFirstShow = false;
    CAppSettings& settings = m_host.Settings();
    switch (explorerbar::ActionForShow(m_bar != nullptr, ShownPane(), index)) {
    case explorerbar::ShowAction::Close:
        Close();
        return;
    case explorerbar::ShowAction::Switch:
        m_bar->ShowPane(index);
        break;
    case explorerbar::ShowAction::Open: {
        const int width = explorerbar::OpeningWidth(settings.ExplorerBarWidth, FrameClientWidth());
        m_dock = new QDockWidget(&m_frame);
        m_dock->setObjectName(QStringLiteral("explorerBarDock"));
        m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
        m_dock->setAllowedAreas(Qt::LeftDockWidgetArea);
        m_dock->setTitleBarWidget(new QWidget(m_dock));
        const QFont tabFont = m_frame.WindowBar() ? m_frame.WindowBar()->font() : m_frame.font();
        m_bar = new CExplorerBar(*this, width, tabFont, m_dock);
        m_dock->setWidget(m_bar);
        m_frame.addDockWidget(Qt::LeftDockWidgetArea, m_dock);
        m_dock->show();
        m_bar->ShowPane(index);
        settings.ExplorerBarWidth = m_bar->BarWidth();
        break;
    }
    }
    settings.ExplorerBarViewType = ShownPane();
}

void CExplorerBarHost::Close() {
    if (!m_bar)
        return;
    CAppSettings& settings = m_host.Settings();
    settings.ExplorerBarWidth = m_bar->BarWidth();
    settings.ExplorerBarViewType = -1;
    QDockWidget* dock = m_dock;
    m_bar = nullptr;
    m_dock = nullptr;
    m_frame.removeDockWidget(dock);
    // The close button that asked for this is still in its click handler.
    dock->deleteLater();
}

int CExplorerBarHost::FrameClientWidth() const { return m_frame.width(); }

void CExplorerBarHost::ResizeExplorerBar(int width) {
    if (!m_bar)
        return;
    m_bar->SetBarWidth(width);
    m_host.Settings().ExplorerBarWidth = width;
}

void CExplorerBarHost::OpenExplorerItem(const QString& address) { open(address, false, true); }

void CExplorerBarHost::ShowExplorerItemMenu(const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu(
        m_frame.Menus().buildPopup(res::ExplorerItemMenu, 0, &m_frame));
    if (menu)
        menu->exec(globalPos);
}

QAction* CExplorerBarHost::CommandAction(unsigned id) {
    QPointer<QAction>& action = m_actions[id];
    if (!action) {
        action = m_frame.Binder().createAction(id, QString(), nullptr);
        m_frame.Binder().updateAction(action);
        m_frame.Idle().track(action);
        m_frame.Idle().schedule();
    }
    return action;
}

void CExplorerBarHost::open(const QString& address, bool newWindow, bool activate) {
    if (address.isEmpty())
        return;
    CBrowserView* view = newWindow ? nullptr : m_frame.ActiveView();
    if (!view)
        view = m_host.CreateBrowserWindow(0, activate, true);
    if (view)
        view->Navigate(address, CBrowserView::NothingToRemember);
}
