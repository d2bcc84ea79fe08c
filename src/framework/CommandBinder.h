#pragma once

#include "framework/CommandRouter.h"
#include "res/AcceleratorTable.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

// Connects Qt actions, menus and shortcuts to the command router of one main
// window:
//  - an action carries its command id (a property, so QAction::data() stays
//    free for item data such as a folder path) and routes it when triggered;
//  - a bound menu brings its items' enabled/checked/radio/text state up to
//    date from the router just before it shows;
//  - highlighting an item (menu or toolbar) shows its status-bar prompt: the
//    prompt provider's text when it has one for the id (items made at run
//    time), else the command's string before "\n";
//  - accelerators become window shortcuts that route their command.
// The binder does not own the router; the router must outlive it.
class CommandBinder : public QObject {
    Q_OBJECT

public:
    using StatusSink = std::function<void(const QString& text)>;
    using PromptProvider = std::function<std::optional<QString>(unsigned id, QAction* action)>;

    explicit CommandBinder(CommandRouter& router, QObject* parent = nullptr);

    CommandRouter& router() const { return m_router; }

    // The command id an action carries; 0 for none (separators, submenus,
    // placeholders).
    static unsigned commandId(const QAction* action);

    // A new action with text that carries id and routes it when triggered.
    QAction* createAction(unsigned id, const QString& text, QObject* parent);
    // Makes an existing action carry id and route it.
    void bindAction(QAction* action, unsigned id);
    // Updates the menu's items on every aboutToShow and reports highlighted
    // submenu items too. Call once per menu (the builder does).
    void bindMenu(QMenu* menu);

    // Brings the action's state up to date from the router. Actions without a
    // command id (and submenu actions) are left alone.
    void updateAction(QAction* action) const;
    // updateAction for each of the menu's own items (not its submenus').
    void updateMenu(const QMenu* menu) const;

    // Where status-bar texts go (the main frame's status bar).
    void setStatusSink(StatusSink sink) { m_statusSink = std::move(sink); }
    void setPromptProvider(PromptProvider provider) { m_promptProvider = std::move(provider); }
    // A further provider, asked after the one set above and after those
    // added before it (each part of the frame that makes items at run time
    // adds its own).
    void addPromptProvider(PromptProvider provider) {
        m_extraProviders.push_back(std::move(provider));
    }
    // The status-bar prompt of id (see class comment).
    QString promptFor(unsigned id, QAction* action = nullptr) const;

    // Installs the accelerators on window as shortcuts active while window (or
    // a child of it) is the active window, and keeps them (and the window's
    // other shortcuts) working whatever widget inside the window has the
    // focus (AcceleratorGuard). Returns the shortcuts made; they are children
    // of window.
    QList<QShortcut*> installAccelerators(QWidget* window,
                                          std::span<const res::Accelerator> accelerators);

    // Routes id as a command from the user interface: executes it when it is
    // enabled and reports it with commandExecuted.
    bool execute(unsigned id);

signals:
    // A menu item or toolbar button carrying id was highlighted (id 0 for an
    // item without a command, such as a submenu).
    void commandHighlighted(unsigned id, QAction* action);
    void commandExecuted(unsigned id);

private:
    void highlight(QAction* action);
    void showStatus(const QString& text) const;

    CommandRouter& m_router;
    StatusSink m_statusSink;
    PromptProvider m_promptProvider;
    std::vector<PromptProvider> m_extraProviders;
};
