#pragma once

#include <QString>

class QMenu;

// Helpers of the menus rebuilt each time they open.

// A name as a menu item shows it: "&" stands for itself, not a shortcut.
QString dynamicMenuText(const QString& name);

// Removes the items of menu after the first keep ones. Items menu owns are
// deleted; submenus are deleted later when deleteSubmenus is set, else only
// taken out (their owner keeps them).
void removeDynamicItems(QMenu* menu, int keep, bool deleteSubmenus);

// Appends the disabled item "（空）" of a menu with nothing to show.
void addEmptyMenuItem(QMenu* menu);
