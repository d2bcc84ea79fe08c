#include "framework/CommandBinder.h"

#include "framework/AcceleratorGuard.h"

#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kIdProperty = "quorrelinCommandId";
constexpr const char* kBoundProperty = "quorrelinCommandBound";

// Shows the radio mark of an action: Qt draws it for actions of an exclusive
// group, so the action gets a one-member group of its own while it is a radio
// item.
void setRadioLook(QAction* action, bool radio) {
    QActionGroup* group = action->actionGroup();
    if (radio && !group) {
        group = new QActionGroup(action);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(action);
    } else if (!radio && group && group->parent() == action) {
        group->removeAction(action);
        delete group;
    }
}

} // namespace

CommandBinder::CommandBinder(CommandRouter& router, QObject* parent)
    : QObject(parent), m_router(router) {}

unsigned CommandBinder::commandId(const QAction* action) {
    if (!action)
        return 0;
    return action->property(kIdProperty).toUInt();
}

QAction* CommandBinder::createAction(unsigned id, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    bindAction(action, id);
    return action;
}

void CommandBinder::bindAction(QAction* action, unsigned id) {
    action->setProperty(kIdProperty, id);
    if (action->property(kBoundProperty).toBool())
        return; // already connected; only the id changed
    action->setProperty(kBoundProperty, true);
    connect(action, &QAction::triggered, this, [this, action] { execute(commandId(action)); });
    connect(action, &QAction::hovered, this, [this, action] { highlight(action); });
}

void CommandBinder::bindMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    // Bound actions report their own highlighting; the menu reports the rest
    // (submenus and items made without the binder).
    connect(menu, &QMenu::hovered, this, [this](QAction* action) {
        if (!action->property(kBoundProperty).toBool())
            highlight(action);
    });
    connect(menu, &QMenu::aboutToHide, this,
            [this] { showStatus(res::loadString(sid::IdleMessage)); });
}

void CommandBinder::updateAction(QAction* action) const {
    const unsigned id = commandId(action);
    if (id == 0 || action->isSeparator() || action->menu())
        return;
    CommandState state(id);
    m_router.update(state);
    action->setEnabled(state.isEnabled());
    const bool marked = state.isChecked() || state.isRadio();
    // Unmarked items are not checkable, so no empty check box is drawn.
    setRadioLook(action, state.isRadio());
    action->setCheckable(marked);
    action->setChecked(marked);
    if (state.text())
        action->setText(*state.text());
}

void CommandBinder::updateMenu(const QMenu* menu) const {
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        updateAction(action);
}

QString CommandBinder::promptFor(unsigned id, QAction* action) const {
    if (id == 0)
        return {};
    if (m_promptProvider)
        if (std::optional<QString> prompt = m_promptProvider(id, action))
            return *prompt;
    for (const PromptProvider& provider : m_extraProviders)
        if (std::optional<QString> prompt = provider(id, action))
            return *prompt;
    return res::commandPrompt(id);
}

QList<QShortcut*>
CommandBinder::installAccelerators(QWidget* window,
                                   std::span<const res::Accelerator> accelerators) {
    if (!AcceleratorGuard::of(*window))
        new AcceleratorGuard(*window);
    QList<QShortcut*> shortcuts;
    for (const res::Accelerator& accelerator : accelerators) {
        auto* shortcut = new QShortcut(QKeySequence(accelerator.keys), window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setProperty(kIdProperty, accelerator.command);
        const unsigned id = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, id] { execute(id); });
        shortcuts << shortcut;
    }
    return shortcuts;
}

bool CommandBinder::execute(unsigned id) {
    // The command may close the window that owns this binder.
    const QPointer<CommandBinder> alive(this);
    if (id == 0 || !m_router.execute(id))
        return false;
    if (alive)
        emit commandExecuted(id);
    return true;
}

void CommandBinder::highlight(QAction* action) {
    const unsigned id = commandId(action);
    showStatus(promptFor(id, action));
    emit commandHighlighted(id, action);
}

void CommandBinder::showStatus(const QString& text) const {
    if (m_statusSink)
        m_statusSink(text);
}
