#pragma once

#include "res/MenuTable.h"

class CommandBinder;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Turns the menu tables of res/MenuTable.h into Qt menus whose items carry
// their command ids and are bound to a CommandBinder (state updated when a
// menu opens, commands routed when chosen, prompts shown when highlighted).
// Item positions in the Qt menus equal those in the tables: separators are
// actions too.
class MenuBuilder {
public:
    explicit MenuBuilder(CommandBinder& binder) : m_binder(binder) {}

    // A menu bar with one menu per top-level popup of resource.
    QMenuBar* buildMenuBar(const res::MenuResource& resource, QWidget* parent) const;
    // Adds resource's top-level popups to an existing menu bar.
    void fillMenuBar(QMenuBar* bar, const res::MenuResource& resource) const;
    // A menu titled with popup's text holding its items. parent owns it.
    QMenu* buildPopup(const res::MenuItem& popup, QWidget* parent) const;
    // The top-level popup at position of menu resource id (context menus such
    // as 155 "Tab"); nullptr when there is none.
    QMenu* buildPopup(unsigned resourceId, int position, QWidget* parent) const;
    // Appends items (with their submenus) to menu.
    void appendItems(QMenu* menu, std::span<const res::MenuItem> items) const;
    // A command item bound to the binder, appended to menu.
    QAction* addCommand(QMenu* menu, unsigned id, const QString& text) const;

    // The submenu at position of menu (counting separators), or nullptr.
    static QMenu* submenuAt(const QMenu* menu, int position);
    // The menu at position of a menu bar, or nullptr.
    static QMenu* menuAt(const QMenuBar* bar, int position);
    // The first item carrying id in widget's actions (a menu or menu bar) and,
    // when recursive, in their submenus; nullptr when there is none.
    static QAction* findCommand(const QWidget* widget, unsigned id, bool recursive = true);

private:
    CommandBinder& m_binder;
};
