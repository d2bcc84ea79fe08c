#include "frame/CPageVisibility.h"

#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"
#include "frame/PageVisibility.h"

#include <QChildEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

MainWindowShow mainWindowShow(const QWidget& main) {
    if (!main.isVisible())
        return MainWindowShow::Hidden;
    return main.isMinimized() ? MainWindowShow::Minimized : MainWindowShow::Normal;
}

ChildWindowShow childWindowShow(const QMdiSubWindow& window) {
    if (window.isHidden())
        return ChildWindowShow::Hidden;
    if (window.isMinimized())
        return ChildWindowShow::Minimized;
    return window.isMaximized() ? ChildWindowShow::Maximized : ChildWindowShow::Normal;
}

CBrowserView* viewOf(QMdiSubWindow* window) {
    const auto* frame = qobject_cast<CChildFrame*>(window);
    return frame ? frame->View() : nullptr;
}

} // namespace

CPageVisibility::CPageVisibility(QWidget& mainWindow, QMdiArea& area)
    : m_main(mainWindow), m_area(area) {
    m_main.installEventFilter(this);
    m_area.viewport()->installEventFilter(this);
    for (QMdiSubWindow* window : m_area.subWindowList())
        watch(window);
    connect(&m_area, &QMdiArea::subWindowActivated, this, [this] { changed(); });
}

void CPageVisibility::watch(QObject* window) {
    window->removeEventFilter(this);
    window->installEventFilter(this);
}

CPageVisibility::Judgement CPageVisibility::judge() const {
    Judgement judgement;
    const QList<QMdiSubWindow*> stacked = m_area.subWindowList(QMdiArea::StackingOrder);
    const QMdiSubWindow* current = m_area.currentSubWindow();
    std::vector<ChildWindowState> states;
    for (auto it = stacked.crbegin(); it != stacked.crend(); ++it) {
        judgement.windows.push_back(*it);
        states.push_back({childWindowShow(**it), *it == current});
    }
    judgement.seen = visiblePages(mainWindowShow(m_main), states);
    return judgement;
}

void CPageVisibility::tellAll() {
    m_pending = false;
    const Judgement judgement = judge();
    for (std::size_t i = 0; i < judgement.windows.size(); ++i)
        if (CBrowserView* view = viewOf(judgement.windows[i]))
            view->SetPageVisible(judgement.seen[i]);
}

void CPageVisibility::changed() {
    const Judgement judgement = judge();
    for (std::size_t i = 0; i < judgement.windows.size(); ++i)
        if (CBrowserView* view = viewOf(judgement.windows[i]); view && judgement.seen[i])
            view->SetPageVisible(true);
    schedule();
}

void CPageVisibility::schedule() {
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_pending)
            tellAll();
    });
}

bool CPageVisibility::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
        // A window joining or leaving the area: judged at the end of the
        // turn, once it is complete (or gone).
        if (watched == m_area.viewport()) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (event->type() == QEvent::ChildAdded && child->isWidgetType())
                watch(child);
            schedule();
        }
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::ZOrderChange:
        if (watched == &m_main || qobject_cast<QMdiSubWindow*>(watched))
            changed();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
