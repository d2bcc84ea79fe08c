#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QKeyEvent;
class QShortcut;
class QWidget;

// Keeps the shortcuts of one window (its QShortcut children: the
// accelerators and the window's own keys) working whatever widget inside the
// window has the keyboard focus. Widgets that answer keys themselves (a
// page's engine, the window area's window menus, text fields) would
// otherwise take a key first or make it ambiguous, and the window's command
// would not run.
//
// A key of the window's shortcuts pressed anywhere in the window runs that
// shortcut at once, before any widget or other shortcut sees the key, and
// the key press itself is swallowed. Exceptions, where the focused widget
// keeps the key:
//  - keys a widget (or one of its ancestors in the window) keeps for itself
//    (keepKeys), such as Escape in the address box;
//  - the standard editing keys (copy, cut, paste, select all, undo, redo)
//    in a text field.
// Keys in other windows (menus, dialogs) are left alone.
//
// Made by CommandBinder::installAccelerators; a child of the window.
class AcceleratorGuard : public QObject {
    Q_OBJECT

public:
    explicit AcceleratorGuard(QWidget& window);
    ~AcceleratorGuard() override;

    // The guard of window, null when it has none.
    static AcceleratorGuard* of(const QWidget& window);
    // Lets widget (and the widgets inside it) answer keys itself.
    static void keepKeys(QWidget& widget, const QList<QKeySequence>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QShortcut* shortcutFor(const QKeySequence& key) const;
    bool keptByFocus(const QWidget& receiver, const QKeySequence& key) const;

    QWidget& m_window;
    // The key whose press is still to come after its shortcut ran.
    QKeySequence m_swallow;
};
