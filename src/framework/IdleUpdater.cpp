#include "framework/IdleUpdater.h"

#include "framework/CommandBinder.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr int kDefaultHeartbeatMs = 500;

bool mayChangeCommandState(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Clipboard:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleUpdater::IdleUpdater(CommandBinder& binder, QObject* parent)
    : QObject(parent), m_binder(binder) {
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &IdleUpdater::updateNow);
    connect(&m_heartbeat, &QTimer::timeout, this, &IdleUpdater::schedule);
    connect(&binder, &CommandBinder::commandExecuted, this, &IdleUpdater::schedule);
    setHeartbeatInterval(kDefaultHeartbeatMs);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

IdleUpdater::~IdleUpdater() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void IdleUpdater::track(QAction* action) {
    if (action && !m_actions.contains(action))
        m_actions.append(action);
}

void IdleUpdater::track(const QList<QAction*>& actions) {
    for (QAction* action : actions)
        track(action);
}

void IdleUpdater::untrack(QAction* action) {
    m_actions.removeAll(action);
}

void IdleUpdater::schedule() {
    if (!m_pending.isActive())
        m_pending.start();
}

void IdleUpdater::updateNow() {
    m_pending.stop();
    m_actions.removeAll(QPointer<QAction>());
    const QList<QPointer<QAction>> actions = m_actions;
    for (const QPointer<QAction>& action : actions)
        if (action)
            m_binder.updateAction(action);
    ++m_passes;
    emit idle();
}

void IdleUpdater::setHeartbeatInterval(int milliseconds) {
    m_heartbeat.stop();
    if (milliseconds > 0)
        m_heartbeat.start(milliseconds);
}

bool IdleUpdater::eventFilter(QObject* watched, QEvent* event) {
    if (mayChangeCommandState(event->type()))
        schedule();
    return QObject::eventFilter(watched, event);
}
