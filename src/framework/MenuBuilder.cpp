#include "framework/MenuBuilder.h"

#include "framework/CommandBinder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QMenuBar* MenuBuilder::buildMenuBar(const res::MenuResource& resource, QWidget* parent) const {
    auto* bar = new QMenuBar(parent);
    fillMenuBar(bar, resource);
    return bar;
}

void MenuBuilder::fillMenuBar(QMenuBar* bar, const res::MenuResource& resource) const {
    for (const res::MenuItem& popup : resource.popups)
        bar->addMenu(buildPopup(popup, bar));
}

QMenu* MenuBuilder::buildPopup(const res::MenuItem& popup, QWidget* parent) const {
    auto* menu = new QMenu(popup.label(), parent);
    m_binder.bindMenu(menu);
    appendItems(menu, popup.items);
    return menu;
}

QMenu* MenuBuilder::buildPopup(unsigned resourceId, int position, QWidget* parent) const {
    const res::MenuItem* popup = res::findPopup(resourceId, position);
    return popup ? buildPopup(*popup, parent) : nullptr;
}

void MenuBuilder::appendItems(QMenu* menu, std::span<const res::MenuItem> items) const {
    for (const res::MenuItem& item : items) {
        if (item.isSeparator()) {
            menu->addSeparator();
        } else if (item.isPopup()) {
            menu->addMenu(buildPopup(item, menu));
        } else if (item.grayed || item.id == 0) {
            QAction* placeholder = menu->addAction(item.label());
            placeholder->setEnabled(false);
        } else {
            addCommand(menu, item.id, item.label());
        }
    }
}

QAction* MenuBuilder::addCommand(QMenu* menu, unsigned id, const QString& text) const {
    QAction* action = m_binder.createAction(id, text, menu);
    menu->addAction(action);
    return action;
}

QMenu* MenuBuilder::submenuAt(const QMenu* menu, int position) {
    if (!menu)
        return nullptr;
    const QList<QAction*> actions = menu->actions();
    if (position < 0 || position >= actions.size())
        return nullptr;
    return actions.at(position)->menu();
}

QMenu* MenuBuilder::menuAt(const QMenuBar* bar, int position) {
    if (!bar)
        return nullptr;
    const QList<QAction*> actions = bar->actions();
    if (position < 0 || position >= actions.size())
        return nullptr;
    return actions.at(position)->menu();
}

QAction* MenuBuilder::findCommand(const QWidget* widget, unsigned id, bool recursive) {
    if (!widget || id == 0)
        return nullptr;
    const QList<QAction*> actions = widget->actions();
    for (QAction* action : actions)
        if (CommandBinder::commandId(action) == id)
            return action;
    if (recursive)
        for (QAction* action : actions)
            if (QAction* found = findCommand(action->menu(), id, true))
                return found;
    return nullptr;
}
