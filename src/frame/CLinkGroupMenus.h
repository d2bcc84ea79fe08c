#pragma once

#include "framework/CommandTarget.h"

#include <QObject>
#include <QString>

#include <optional>

class CAppSettings;
class CLinkBar;
class CLinkOpener;
class CommandBinder;
class QAction;
class QMenu;

// The menus that list the link groups, filled each time they open, and the
// commands that open links from them and from the link bar:
// - the Link groups menu (after its 6 fixed items): group n as 32948 + n,
//   disabled when it has no links; a separator group as a separator line
//   (it still counts an index); "（空）" without groups. Its submenu at
//   position 4 shows every non-separator group as a submenu (33303) of its
//   links, numbered 33306, 33307, ... across all groups of one build;
// - the add-to-link-group submenus (after their 2 fixed items): base 33048
//   in the main menu and the caption menu, 33165 in the Tab menu (whoever
//   handles those commands enables them only with a window to add).
// Commands: 32948 + n opens every link of group n with a URL in a new
// window (the second engine with Ctrl); 33306 + i and the link bar's
// 33813 + i open one link (a new window with Shift or AlwaysOpenLinksInNew).
// Status prompts: 51517 with the group's link names, 51518, 51521, 51554.
class CLinkGroupMenus : public QObject, public CommandTarget {
    Q_OBJECT

public:
    // Every reference must outlive this. linkGroups: the main menu's popup;
    // addMenu: its add-to-link-group submenu.
    CLinkGroupMenus(QMenu& linkGroups, QMenu& addMenu, CommandBinder& binder,
                    CAppSettings& settings, CLinkOpener& opener, const CLinkBar& linkBar);

    void FillLinkGroupsMenu();
    // An add-to-link-group submenu: of the main or caption menu (tabMenu
    // false, base 33048) or of the Tab menu (base 33165).
    void FillAddMenu(QMenu* menu, bool tabMenu);
    // Fills menu whenever it opens, as FillAddMenu does (caption and Tab
    // menus are built anew each time they are shown).
    void WatchAddMenu(QMenu* menu, bool tabMenu);

private:
    void fillGroups(QMenu* menu, unsigned base, int keep);
    void fillAsFavorites(QMenu* menu);
    void openGroup(int index);
    void openLink(const QString& url);
    std::optional<QString> prompt(unsigned id) const;
    QString groupName(unsigned index) const;

    QMenu& m_linkGroups;
    QMenu& m_addMenu;
    CommandBinder& m_binder;
    CAppSettings& m_settings;
    CLinkOpener& m_opener;
    const CLinkBar& m_linkBar;
    // The addresses of the links-as-favorites items of the last build.
    QStringList m_favoriteUrls;
};
