#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class CommandBinder;
class QAction;

// Keeps always-visible command items (toolbar buttons and the like) up to
// date, as menus are when they open. An update pass runs once the event loop
// is idle after something may have changed state: a command ran, the user
// pressed a key or a mouse button, a window or the focus changed, or code
// called schedule(). Requests coalesce into one pass. A slow heartbeat also
// catches changes nobody announced (page loading ends, the clipboard fills).
//
// Each pass emits idle() after updating, for other work that belongs to idle
// time (such as noticing that the system went offline).
class IdleUpdater : public QObject {
    Q_OBJECT

public:
    explicit IdleUpdater(CommandBinder& binder, QObject* parent = nullptr);
    ~IdleUpdater() override;

    // Adds action to the items updated on every pass. The action may be
    // deleted at any time; it is then dropped.
    void track(QAction* action);
    void track(const QList<QAction*>& actions);
    void untrack(QAction* action);

    // Requests a pass as soon as the event loop is idle.
    void schedule();
    // Runs a pass now.
    void updateNow();

    // Milliseconds between heartbeat passes; 0 switches the heartbeat off.
    void setHeartbeatInterval(int milliseconds);
    // Number of passes run so far.
    int passCount() const { return m_passes; }

signals:
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommandBinder& m_binder;
    QList<QPointer<QAction>> m_actions;
    QTimer m_pending;
    QTimer m_heartbeat;
    int m_passes = 0;
};
