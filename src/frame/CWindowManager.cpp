#include "frame/CWindowManager.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "browser/BrowserViewRules.h"
#include "browser/CBrowserDoc.h"
#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"
#include "frame/CFavoritesAndLinkGroups.h"
#include "frame/CMainFrame.h"
#include "frame/CSelectWindowDialog.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowBarCommands.h"
#include "frame/FrameCaption.h"
#include "frame/IMainFrameHost.h"
#include "frame/WindowActivation.h"
#include "frame/WindowBarModel.h"
#include "frame/WindowListMenu.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "res/MenuTable.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace {

// Marks a frame whose close has gone through: it waits for its deletion
// and no longer counts as an open window.
const char* const kClosedProperty = "quorrelinClosed";

bool isClosed(const QObject* frame) {
    return frame->property(kClosedProperty).toBool();
}

QString menuText(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Tells of every widget of the program that gains the keyboard focus.
class FocusInFilter : public QObject {
public:
    using Handler = std::function<void(QWidget& widget, Qt::FocusReason reason)>;
    FocusInFilter(Handler handler, QObject* parent) : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            m_handler(*static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason());
        return false;
    }

private:
    Handler m_handler;
};

} // namespace

class CWindowManager::MultiClose {
public:
    explicit MultiClose(CWindowManager& manager) : m_manager(manager) { ++m_manager.m_multiClose; }
    ~MultiClose() { --m_manager.m_multiClose; }
    MultiClose(const MultiClose&) = delete;
    MultiClose& operator=(const MultiClose&) = delete;

private:
    CWindowManager& m_manager;
};

CWindowManager::CWindowManager(CMainFrame& frame, IMainFrameHost& host, WindowBarModel& tabs)
    : m_frame(frame), m_host(host), m_tabs(tabs),
      m_barCommands(std::make_unique<CWindowBarCommands>(frame, host, *this)) {
    setMenuRunner({});
    registerCommands();
}

CWindowManager::~CWindowManager() = default;

void CWindowManager::attach() {
    QMdiArea* area = m_frame.MdiArea();
    area->viewport()->installEventFilter(this);
    for (QMdiSubWindow* window : area->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window))
            watch(frame);
    // Pages move the keyboard focus into their window by themselves (a
    // window a page opens takes it as it appears); that must not activate a
    // window the program keeps in the background.
    qApp->installEventFilter(new FocusInFilter(
        [this](QWidget& widget, Qt::FocusReason reason) { keepFocusInActiveWindow(widget, reason); },
        this));
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { m_focus = now; });
    m_caption = new FrameCaption(
        m_frame, *area, [this] { return m_frame.BaseTitle(); },
        [this]() -> QMdiSubWindow* { return activeFrame(); }, this);
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window && !window->isHidden())
            m_lastActive = window;
    });
    connect(m_frame.WindowMenu(), &QMenu::aboutToShow, this, &CWindowManager::fillWindowMenu);
    // The usual key of a window inside a window area: Ctrl+F4 closes the
    // active one as its window menu would.
    auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), &m_frame);
    closeKey->setObjectName(QStringLiteral("closeWindowKey"));
    connect(closeKey, &QShortcut::activated, this, [this] {
        if (CChildFrame* active = m_frame.ActiveChildFrame())
            active->close();
    });
    m_barCommands->attach();
}

void CWindowManager::setMenuRunner(MenuRunner runner) {
    m_menuRunner = runner ? std::move(runner)
                          : MenuRunner([](QMenu& menu, const QPoint& pos) { menu.exec(pos); });
}

// ---- Windows -------------------------------------------------------------------

CBrowserView* CWindowManager::viewOf(TabWindow window) const {
    // Only views are ever given tabs, and a view leaves the bar before it
    // goes: a window with a tab is a live view.
    if (m_tabs.indexOf(window) < 0)
        return nullptr;
    return const_cast<CBrowserView*>(static_cast<const CBrowserView*>(window));
}

std::vector<CChildFrame*> CWindowManager::frames() const {
    std::vector<CChildFrame*> result;
    for (QMdiSubWindow* window : m_frame.MdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->View() && !isClosed(frame))
            result.push_back(frame);
    }
    std::stable_partition(result.begin(), result.end(),
                          [](const CChildFrame* frame) { return frame->View()->EngineKind() == 0; });
    return result;
}

CChildFrame* CWindowManager::activeFrame() const {
    const QMdiArea* area = m_frame.MdiArea();
    if (!area)
        return nullptr;
    for (QMdiSubWindow* window :
         {area->activeSubWindow(), m_lastActive.data(), area->currentSubWindow()}) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && !frame->isHidden() && !isClosed(frame))
            return frame;
    }
    return nullptr;
}

void CWindowManager::refreshCaption() {
    if (m_caption)
        m_caption->refresh();
    else
        m_frame.setWindowTitle(m_frame.BaseTitle());
}

void CWindowManager::activateView(CBrowserView* view, std::optional<TabShowCommand> show) {
    CChildFrame* frame = view ? view->ChildFrame() : nullptr;
    if (!frame)
        return;
    m_tabs.select(view);
    if (show == TabShowCommand::Maximized)
        frame->showMaximized();
    else if (frame->isMinimized() || (show && frame->isMaximized()))
        frame->showNormal();
    else if (frame->isHidden())
        frame->show();
    frame->Activate();
}

CBrowserView* CWindowManager::contextView() const {
    const CWindowBar* bar = m_frame.WindowBar();
    return bar ? viewOf(bar->contextWindow()) : nullptr;
}

// ---- Watching the child frames ---------------------------------------------------

void CWindowManager::watch(CChildFrame* frame) {
    if (frame->property("quorrelinWatched").toBool())
        return;
    frame->setProperty("quorrelinWatched", true);
    frame->installEventFilter(this);
    connect(frame, &CChildFrame::closing, this, &CWindowManager::frameClosing);
    // Posted, as the frame is gone only once the current event is done.
    connect(frame, &QObject::destroyed, this,
            [this] { QMetaObject::invokeMethod(this, &CWindowManager::onWindowsChanged,
                                               Qt::QueuedConnection); });
}

bool CWindowManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded && watched == m_frame.MdiArea()->viewport()) {
        if (auto* frame = qobject_cast<CChildFrame*>(static_cast<QChildEvent*>(event)->child()))
            watch(frame);
        return false;
    }
    auto* frame = qobject_cast<CChildFrame*>(watched);
    if (!frame)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        if (!allowClose(*frame)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::ContextMenu: {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (showCaptionMenu(*frame, menuEvent->pos(), menuEvent->globalPos()))
            return true;
        break;
    }
    case QEvent::WindowStateChange:
    case QEvent::Resize:
        noteMaximized(*frame);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The focus went into a window other than the active one without the user
// choosing it (not by mouse or keyboard): it goes back where it was. Such a
// move while the main window was inactive only shows when the main window
// gets the focus back.
void CWindowManager::keepFocusInActiveWindow(QWidget& widget, Qt::FocusReason reason) {
    if ((reason != Qt::OtherFocusReason && reason != Qt::ActiveWindowFocusReason) ||
        widget.window() != &m_frame)
        return;
    CChildFrame* owner = nullptr;
    for (QWidget* w = &widget; w && !owner; w = w->parentWidget())
        owner = qobject_cast<CChildFrame*>(w);
    CChildFrame* active = activeFrame();
    // A frame the area is activating is active before the area says so.
    if (!owner || owner == active || owner->windowState().testFlag(Qt::WindowActive))
        return;
    QWidget* back = m_focus;
    if (!back || back == &widget || back->window() != &m_frame || owner->isAncestorOf(back))
        back = active ? active->widget() : nullptr;
    if (back)
        back->setFocus(Qt::OtherFocusReason);
    else
        widget.clearFocus();
}

// ---- Closing ------------------------------------------------------------------------

bool CWindowManager::allowClose(CChildFrame& frame) {
    if (isClosed(&frame))
        return true;
    CBrowserView* view = frame.View();
    WindowCloseRequest request;
    request.mainFrameClosing = m_frame.IsClosing();
    request.multiClose = isMultiClose();
    request.locked = view && view->IsLocked();
    request.active = m_frame.ActiveChildFrame() == &frame;
    const WindowCloseVerdict verdict = decideWindowClose(request);
    using Action = WindowCloseVerdict::Action;
    if (verdict.action == Action::KeepOpen)
        return false;
    if (verdict.action == Action::AskLocked) {
        CCheckMessageBox box(&m_frame, lockedCloseQuestion(view->TabText()),
                             MB_YESNO | MB_ICONQUESTION);
        if (box.DoModal() != IDYES)
            return false;
    }
    if (verdict.activateAnother)
        activateInstead(frame);
    return true;
}

// The window that takes the closing one's place by ActivateMode; in
// creation order (mode 2) the window made just before it that has a tab.
void CWindowManager::activateInstead(CChildFrame& closing) {
    std::vector<TabWindow> created;
    for (QMdiSubWindow* window : m_frame.MdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (auto* frame = qobject_cast<CChildFrame*>(window); frame && frame->View())
            created.push_back(frame->View());
    const std::vector<TabWindow> tabs = m_tabs.windows();
    const TabWindow next = nextActiveWindow(m_host.Settings().ActivateMode, tabs,
                                            m_tabs.currentIndex(), created, closing.View());
    if (CBrowserView* view = viewOf(next))
        activateView(view);
}

// The frame's close went through: it is going now.
void CWindowManager::frameClosing(CChildFrame* frame) {
    frame->setProperty(kClosedProperty, true);
    m_frame.SetBusyAnimation(false);
    CBrowserView* view = frame->View();
    if (!view)
        return;
    if (view->popupState() == CBrowserView::PopupState::Normal)
        m_host.Settings().MaximizeChild = frame->isMaximized() ? 1 : 0;
    m_host.AddClosedWindow(ApplyTitleRule(view->PageTitle()), view->LocationURL());
}

// New windows open the way the user left the shown ones: maximised or not.
void CWindowManager::noteMaximized(const CChildFrame& frame) {
    const CBrowserView* view = frame.View();
    if (view && frame.isVisible() && !isClosed(&frame) &&
        view->popupState() == CBrowserView::PopupState::Normal)
        m_host.Settings().MaximizeChild = frame.isMaximized() ? 1 : 0;
}

void CWindowManager::onWindowsChanged() {
    // A window went and the area left none active (or the one it names is
    // not the current tab's) while windows remain: the current tab's window
    // is the active one, so bar, area, address and caption agree.
    QMdiArea* area = m_frame.MdiArea();
    CBrowserView* current = viewOf(m_tabs.currentWindow());
    if (!m_frame.IsClosing() && current && current->ChildFrame() &&
        area->activeSubWindow() != current->ChildFrame())
        activateView(current);
    if (!m_frame.ActiveView()) {
        if (QLabel* status = m_frame.StatusPane())
            status->setText(res::loadString(sid::IdleMessage));
        if (QComboBox* box = m_frame.AddressBox())
            box->setEditText(QStringLiteral("about:blank"));
    }
    if (!m_frame.IsClosing())
        m_host.SaveCurrentSession();
    emit windowsChanged();
}

bool CWindowManager::closeAllExcept(CBrowserView* kept) {
    CAppSettings& settings = m_host.Settings();
    const bool all = kept == nullptr;
    if (!CCheckMessageBox::Confirm(&m_frame, all ? sid::ConfirmCloseAll : sid::ConfirmCloseAllExcept,
                                   all ? settings.ConfirmCloseAll : settings.ConfirmCloseAllEx))
        return false;
    {
        const WaitCursor wait;
        const MultiClose multi(*this);
        std::vector<QPointer<CChildFrame>> targets;
        for (CChildFrame* frame : frames())
            if (frame->View() != kept)
                targets.emplace_back(frame);
        // A locked window stays; the others close all the same.
        for (const QPointer<CChildFrame>& frame : targets)
            if (frame)
                frame->close();
    }
    afterSeveralClosed();
    return true;
}

void CWindowManager::CloseWindows(const std::vector<TabWindow>& windows) {
    {
        const MultiClose multi(*this);
        for (TabWindow window : windows)
            if (CBrowserView* view = viewOf(window); view && view->ChildFrame())
                view->ChildFrame()->close();
    }
    afterSeveralClosed();
}

// The active window's tab is current again and the widths fit the tabs
// that are left.
void CWindowManager::afterSeveralClosed() {
    if (CBrowserView* active = m_frame.ActiveView())
        m_tabs.select(active);
    if (CWindowBar* bar = m_frame.WindowBar())
        bar->relayout();
}

// ---- Menus -----------------------------------------------------------------------------

bool CWindowManager::showCaptionMenu(CChildFrame& frame, const QPoint& pos,
                                     const QPoint& globalPos) {
    const QWidget* content = frame.widget();
    // Only the caption: above the page, and only while the frame has one.
    if (!content || frame.isMaximized() || pos.y() < 0 || pos.y() >= content->geometry().top())
        return false;
    runContextMenu(0, globalPos);
    return true;
}

void CWindowManager::ShowTabMenu(TabWindow window, const QPoint& globalPos) {
    if (viewOf(window))
        runContextMenu(1, globalPos);
}

// Shows popup position ("Caption" 0, "Tab" 1) of the window context menus,
// owned by the main window, holding its link-group submenu while open.
void CWindowManager::runContextMenu(unsigned position, const QPoint& globalPos) {
    QPointer<QMenu> menu =
        m_frame.Menus().buildPopup(res::WindowContextMenus, static_cast<int>(position), &m_frame);
    if (!menu)
        return;
    const QPointer<CWindowManager> alive(this);
    m_linkGroupMenu = MenuBuilder::submenuAt(menu, res::subpos::ContextLinkGroupAdd);
    if (m_linkGroupMenu && m_frame.Links())
        m_frame.Links()->WatchContextLinkGroupMenu(m_linkGroupMenu, position == 1);
    m_menuRunner(*menu, globalPos);
    if (alive)
        m_linkGroupMenu = nullptr;
    delete menu.data();
}

void CWindowManager::fillWindowMenu() {
    QMenu* menu = m_frame.WindowMenu();
    const QList<QAction*> actions = menu->actions();
    for (int i = kWindowMenuFixedItems; i < actions.size(); ++i)
        delete actions.at(i);
    for (const WindowMenuItem& item : windowListMenuItems(m_tabs)) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = m_frame.Menus().addCommand(menu, item.id, menuText(item.text));
        m_frame.Binder().updateAction(action);
    }
}

void CWindowManager::selectWindow() {
    CSelectWindowDialog dialog(*this, m_host.Settings().ConfirmCloseWindows, &m_frame);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    activateView(viewOf(m_tabs.windowAt(dialog.chosenIndex())));
}

namespace {

// The shown windows of area that are not minimised, the active one first.
QList<QMdiSubWindow*> tileable(const QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> history = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it)
        if ((*it)->isVisible() && !(*it)->isMinimized() && !isClosed(*it))
            windows.append(*it);
    return windows;
}

} // namespace

void CWindowManager::tileWindows(Qt::Orientation orientation) {
    QMdiArea* area = m_frame.MdiArea();
    QList<QMdiSubWindow*> windows = tileable(*area);
    if (QMdiSubWindow* active = activeFrame(); active && windows.removeOne(active))
        windows.prepend(active);
    const int n = static_cast<int>(windows.size());
    const QRect room = area->viewport()->rect();
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        if (orientation == Qt::Horizontal) {
            const int top = room.height() * i / n;
            window->setGeometry(0, top, room.width(), room.height() * (i + 1) / n - top);
        } else {
            const int left = room.width() * i / n;
            window->setGeometry(left, 0, room.width() * (i + 1) / n - left, room.height());
        }
    }
}

// Every shown window gets the same size (three quarters of the area, as a
// new window) and one caption height of step from the previous one, the
// active window last and on top; the steps start again at the corner
// before a window would leave the area. Any earlier arrangement (tiled,
// maximised) counts for nothing.
void CWindowManager::cascadeWindows() {
    QMdiArea* area = m_frame.MdiArea();
    QList<QMdiSubWindow*> windows = tileable(*area);
    if (windows.isEmpty())
        return;
    QMdiSubWindow* active = activeFrame();
    if (!active || !windows.contains(active))
        active = windows.front();
    std::reverse(windows.begin(), windows.end());
    windows.removeOne(active);
    windows.append(active);
    const QRect room = area->viewport()->rect();
    const QSize size = CChildFrame::DefaultSize(room.size());
    const int step = std::max(
        1, active->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, active));
    const int steps = std::max(
        1, std::min((room.width() - size.width()) / step, (room.height() - size.height()) / step) +
               1);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        const int offset = (i % steps) * step;
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
    area->setActiveSubWindow(active);
}

void CWindowManager::arrangeIcons() {
    QMdiArea* area = m_frame.MdiArea();
    int x = 0;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isVisible() || !window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, area->viewport()->height() - size.height());
        x += size.width();
    }
}

// ---- Commands ----------------------------------------------------------------------------

void CWindowManager::registerCommands() {
    CommandMap& map = commands();
    auto anyTab = [this](CommandState& state) { state.enable(!m_tabs.isEmpty()); };
    map.on(cmd::PreviousWindow, [this] { activateView(viewOf(m_tabs.previousWindow())); });
    map.onUpdate(cmd::PreviousWindow, anyTab);
    map.on(cmd::NextWindow, [this] { activateView(viewOf(m_tabs.nextWindow())); });
    map.onUpdate(cmd::NextWindow, anyTab);
    map.onRange(cmd::WindowList, [this](unsigned id) {
        const int index = windowListCommandTab(id, m_tabs);
        if (index >= 0)
            activateView(viewOf(m_tabs.windowAt(index)));
    });
    map.onUpdateRange(cmd::WindowList, [this](CommandState& state) {
        const int index = static_cast<int>(cmd::WindowList.index(state.id()));
        state.enable(index < m_tabs.count());
        state.setCheck(index == m_tabs.currentIndex());
    });
    map.on(cmd::SelectWindow, [this] { selectWindow(); });
    map.onUpdate(cmd::SelectWindow, anyTab);
    map.on(cmd::WindowCascade, [this] { cascadeWindows(); });
    map.onUpdate(cmd::WindowCascade, anyTab);
    map.on(cmd::WindowTileHorizontal, [this] { tileWindows(Qt::Horizontal); });
    map.onUpdate(cmd::WindowTileHorizontal, anyTab);
    map.on(cmd::WindowTileVertical, [this] { tileWindows(Qt::Vertical); });
    map.onUpdate(cmd::WindowTileVertical, anyTab);
    map.on(cmd::WindowArrange, [this] { arrangeIcons(); });
    map.onUpdate(cmd::WindowArrange, anyTab);

    auto severalWindows = [this](CommandState& state) { state.enable(frames().size() > 1); };
    map.on(cmd::CloseAll, [this] { closeAllExcept(nullptr); });
    map.onUpdate(cmd::CloseAll, [this](CommandState& state) { state.enable(!frames().empty()); });
    map.on(cmd::CloseAllExceptActive, [this] {
        if (CBrowserView* active = m_frame.ActiveView())
            closeAllExcept(active);
    });
    map.onUpdate(cmd::CloseAllExceptActive, severalWindows);
    map.on(cmd::TabCloseAllExceptThis, [this] {
        if (CBrowserView* view = contextView())
            closeAllExcept(view);
    });
    map.onUpdate(cmd::TabCloseAllExceptThis, severalWindows);
}

bool CWindowManager::onCommand(unsigned id) {
    return CommandTarget::onCommand(id) || m_barCommands->onCommand(id);
}

bool CWindowManager::onUpdateCommand(CommandState& state) {
    return CommandTarget::onUpdateCommand(state) || m_barCommands->onUpdateCommand(state);
}

bool CWindowManager::hasCommandHandler(unsigned id) const {
    return CommandTarget::hasCommandHandler(id) || m_barCommands->hasCommandHandler(id);
}

// ---- The window bar's and the dialog's requests -------------------------------------

void CWindowManager::ActivateTabWindow(TabWindow window, TabShowCommand show) {
    CBrowserView* view = viewOf(window);
    if (!view)
        return;
    view->Document().SetTitle(view->DisplayTitle());
    activateView(view, show);
}

void CWindowManager::CloseTabWindow(TabWindow window) {
    if (CBrowserView* view = viewOf(window); view && view->ChildFrame())
        view->ChildFrame()->close();
}

QString CWindowManager::TabWindowTitle(TabWindow window) const {
    const CBrowserView* view = viewOf(window);
    return view ? view->Document().Title() : QString();
}

bool CWindowManager::IsActiveChildMaximized() const {
    const CChildFrame* active = m_frame.ActiveChildFrame();
    return active && active->isMaximized();
}

std::vector<IWindowSelectionHost::Window> CWindowManager::ListWindows() const {
    std::vector<Window> windows;
    for (int i = 0; i < m_tabs.count(); ++i) {
        const WindowBarTab* tab = m_tabs.tabAt(i);
        const CBrowserView* view = viewOf(tab->window);
        windows.push_back({tab->window, tab->text, view ? view->IsLocked() : tab->locked()});
    }
    return windows;
}

int CWindowManager::CurrentWindowIndex() const {
    return m_tabs.currentIndex();
}
