#pragma once

#include "frame/FavoritesMenuModel.h"
#include "framework/CommandTarget.h"

#include <QObject>
#include <QString>

#include <optional>

class CAppSettings;
class CLinkOpener;
class CommandBinder;
class QAction;
class QMenu;
class QWidget;

// The Favorites menu: filled from the user's Favorites folder each time it
// opens (after its two fixed items), each folder a submenu (command 33305,
// its path as the action's data) filled when it opens. Folders come first,
// then the links (4000 + j), then, with DisplayOpenAll and at least one
// link, a separator and "打开所有(&O)" (2001 + k). An empty folder shows a
// disabled "（空）".
//
// Commands: 4000 + j opens link j (a new window with Shift or
// AlwaysOpenFavoritesInNew, the second engine with Ctrl; ".lnk"/".desktop"
// shortcuts are resolved first, 51483 when that fails); 2001 + k opens each
// link of folder menu k in a new window. Ids outside the current lists do
// nothing. Status prompts: 51554 with the link's target, 2000 for open-all.
class CFavoritesMenu : public QObject, public CommandTarget {
    Q_OBJECT

public:
    // Every reference must outlive this; root is the main menu's Favorites
    // popup. favoritesFolder: where the Favorites folder is (asked at every
    // opening of the root).
    CFavoritesMenu(QMenu& root, CommandBinder& binder, CAppSettings& settings, CLinkOpener& opener,
                   std::function<QString()> favoritesFolder, QWidget* messageParent);

    // Rebuilds the root menu (what opening it does).
    void FillRoot();
    // Rebuilds a folder submenu from the folder path its action carries.
    void FillFolder(QMenu* menu);

    const FavoritesMenuModel& Model() const { return m_model; }

private:
    void fill(QMenu* menu, const QString& folder, bool root);
    QMenu* addFolderItem(QMenu* menu, const QString& name, const QString& path);
    QMenu* takeFolderMenu();
    void openLink(int index);
    void openAll(int index);
    std::optional<QString> prompt(unsigned id) const;

    QMenu& m_root;
    CommandBinder& m_binder;
    CAppSettings& m_settings;
    CLinkOpener& m_opener;
    std::function<QString()> m_favoritesFolder;
    QWidget* m_messageParent;
    FavoritesMenuModel m_model;
    // Folder submenus are kept and used again: making and destroying a
    // hundred menus took most of the time of opening the root menu. All are
    // free again when the root menu is rebuilt; m_foldersInUse counts the
    // ones handed out since.
    QList<QMenu*> m_folderMenus;
    qsizetype m_foldersInUse = 0;
};
