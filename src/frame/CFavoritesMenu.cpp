#include "frame/CFavoritesMenu.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "frame/CLinkOpener.h"
#include "frame/DynamicMenuItems.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "res/MenuTable.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/MenuImages.h"
#include "system/FavoritesFolder.h"

#include <QAction>
#include <QMenu>

CFavoritesMenu::CFavoritesMenu(QMenu& root, CommandBinder& binder, CAppSettings& settings,
                               CLinkOpener& opener, std::function<QString()> favoritesFolder,
                               QWidget* messageParent)
    : m_root(root), m_binder(binder), m_settings(settings), m_opener(opener),
      m_favoritesFolder(std::move(favoritesFolder)), m_messageParent(messageParent) {
    connect(&m_root, &QMenu::aboutToShow, this, &CFavoritesMenu::FillRoot);
    commands().onRange(cmd::Favorites,
                       [this](unsigned id) { openLink(int(cmd::Favorites.index(id))); });
    commands().onRange(cmd::FavoritesOpenAll,
                       [this](unsigned id) { openAll(int(cmd::FavoritesOpenAll.index(id))); });
    m_binder.addPromptProvider([this](unsigned id, QAction*) { return prompt(id); });
}

void CFavoritesMenu::FillRoot() {
    const WaitCursor busy(Qt::BusyCursor);
    m_model.reset();
    m_foldersInUse = 0;
    fill(&m_root, m_favoritesFolder ? m_favoritesFolder() : QString(), true);
}

void CFavoritesMenu::FillFolder(QMenu* menu) {
    fill(menu, menu->menuAction()->data().toString(), false);
}

void CFavoritesMenu::fill(QMenu* menu, const QString& folder, bool root) {
    removeDynamicItems(menu, root ? res::FavoritesFixedItems : 0, false);
    const FavoritesFolderListing listing =
        ReadFavoritesFolder(folder, m_settings.SortFavorites != 0);
    if (root && (!listing.folders.isEmpty() || !listing.links.isEmpty()))
        menu->addSeparator();
    for (const FavoritesFolderEntry& entry : listing.folders)
        addFolderItem(menu, entry.name, entry.path);
    QList<int> shown;
    const QIcon linkIcon = res::MenuImages::icon(res::MenuImages::Link);
    for (const FavoritesFolderEntry& entry : listing.links) {
        const std::optional<int> index = m_model.addLink(entry.name, entry.target);
        if (!index)
            break;
        QAction* action = m_binder.createAction(cmd::Favorites.at(unsigned(*index)),
                                                dynamicMenuText(entry.name), menu);
        action->setIcon(linkIcon);
        menu->addAction(action);
        shown << *index;
    }
    if (m_settings.DisplayOpenAll != 0 && !shown.isEmpty()) {
        if (const std::optional<int> range = m_model.addOpenAll(shown)) {
            menu->addSeparator();
            menu->addAction(m_binder.createAction(cmd::FavoritesOpenAll.at(unsigned(*range)),
                                                  res::loadString(sid::OpenAllItem), menu));
        }
    }
    if (listing.folders.isEmpty() && shown.isEmpty())
        addEmptyMenuItem(menu);
    m_binder.updateMenu(menu);
}

QMenu* CFavoritesMenu::takeFolderMenu() {
    if (m_foldersInUse < m_folderMenus.size())
        return m_folderMenus[m_foldersInUse++];
    auto* sub = new QMenu(&m_root);
    sub->setIcon(res::MenuImages::icon(res::MenuImages::Folder));
    m_binder.bindMenu(sub);
    m_binder.bindAction(sub->menuAction(), cmd::FavoritesFolder);
    connect(sub, &QMenu::aboutToShow, this, [this, sub] { FillFolder(sub); });
    m_folderMenus << sub;
    ++m_foldersInUse;
    return sub;
}

QMenu* CFavoritesMenu::addFolderItem(QMenu* menu, const QString& name, const QString& path) {
    QMenu* sub = takeFolderMenu();
    sub->setTitle(dynamicMenuText(name));
    sub->menuAction()->setData(path);
    menu->addMenu(sub);
    return sub;
}

void CFavoritesMenu::openLink(int index) {
    QString url = m_model.target(index);
    if (url.isEmpty())
        return;
    if (IsFavoriteShortcutTarget(url)) {
        const QString resolved = ResolveFavoriteShortcut(url);
        if (resolved.isEmpty()) {
            CCheckMessageBox box(m_messageParent,
                                 res::formatString(sid::CannotResolveLink, {{"%link%", url}}),
                                 MB_OK | MB_ICONSTOP);
            box.DoModal();
            return;
        }
        url = resolved;
    }
    const bool newWindow = m_opener.ShiftHeld() || m_settings.AlwaysOpenFavoritesInNew != 0;
    m_opener.Open(url, newWindow, m_opener.SecondEngineWanted());
}

void CFavoritesMenu::openAll(int index) {
    QStringList urls;
    for (const int link : m_model.openAll(index)) {
        QString url = m_model.target(link);
        if (IsFavoriteShortcutTarget(url))
            url = ResolveFavoriteShortcut(url);
        urls << url;
    }
    m_opener.OpenInNewWindows(urls, 0);
}

std::optional<QString> CFavoritesMenu::prompt(unsigned id) const {
    if (cmd::Favorites.contains(id)) {
        const QString target = m_model.target(int(cmd::Favorites.index(id)));
        if (target.isEmpty())
            return std::nullopt;
        return res::formatString(sid::OpenUrlPrompt, {{"%url%", target}});
    }
    if (cmd::FavoritesOpenAll.contains(id))
        return res::loadString(sid::OpenAllInFolder);
    if (id == cmd::FavoritesFolder)
        return QString();
    return std::nullopt;
}
