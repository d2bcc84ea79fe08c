#include "frame/CLinkGroupMenus.h"

#include "app/CAppSettings.h"
#include "frame/CLinkBar.h"
#include "frame/CLinkOpener.h"
#include "frame/DynamicMenuItems.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MenuBuilder.h"
#include "linkgroups/LinkGroupOperations.h"
#include "res/MenuTable.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/MenuImages.h"

#include <QAction>
#include <QMenu>

CLinkGroupMenus::CLinkGroupMenus(QMenu& linkGroups, QMenu& addMenu, CommandBinder& binder,
                                 CAppSettings& settings, CLinkOpener& opener,
                                 const CLinkBar& linkBar)
    : m_linkGroups(linkGroups), m_addMenu(addMenu), m_binder(binder), m_settings(settings),
      m_opener(opener), m_linkBar(linkBar) {
    connect(&m_linkGroups, &QMenu::aboutToShow, this, &CLinkGroupMenus::FillLinkGroupsMenu);
    WatchAddMenu(&m_addMenu, false);
    CommandMap& map = commands();
    map.onRange(cmd::LinkGroupOpen,
                [this](unsigned id) { openGroup(int(cmd::LinkGroupOpen.index(id))); });
    // A group without links shows disabled.
    map.onUpdateRange(cmd::LinkGroupOpen, [this](CommandState& state) {
        const auto index = qsizetype(cmd::LinkGroupOpen.index(state.id()));
        const QList<LinkGroup>& groups = m_settings.LinkGroups;
        state.enable(index < groups.size() && !LinkGroupOpenUrls(groups[index]).isEmpty());
    });
    map.onRange(cmd::LinkGroupFavoriteLinks, [this](unsigned id) {
        const auto index = qsizetype(cmd::LinkGroupFavoriteLinks.index(id));
        if (index < m_favoriteUrls.size())
            openLink(m_favoriteUrls[index]);
    });
    map.onRange(cmd::LinkBar, [this](unsigned id) { openLink(m_linkBar.urlFor(id)); });
    m_binder.addPromptProvider([this](unsigned id, QAction*) { return prompt(id); });
}

void CLinkGroupMenus::FillLinkGroupsMenu() {
    fillGroups(&m_linkGroups, cmd::LinkGroupOpen.first, res::LinkGroupsFixedItems);
    if (QMenu* asFavorites = MenuBuilder::submenuAt(&m_linkGroups, res::subpos::LinkGroupsAsFavorites))
        fillAsFavorites(asFavorites);
    m_binder.updateMenu(&m_linkGroups);
}

void CLinkGroupMenus::FillAddMenu(QMenu* menu, bool tabMenu) {
    const unsigned base = tabMenu ? cmd::TabLinkGroupAdd.first : cmd::LinkGroupAdd.first;
    fillGroups(menu, base, res::LinkGroupAddFixedItems);
    m_binder.updateMenu(menu);
}

void CLinkGroupMenus::WatchAddMenu(QMenu* menu, bool tabMenu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu, tabMenu] { FillAddMenu(menu, tabMenu); });
}

void CLinkGroupMenus::fillGroups(QMenu* menu, unsigned base, int keep) {
    removeDynamicItems(menu, keep, true);
    const QList<LinkGroup>& groups = m_settings.LinkGroups;
    const QIcon icon = res::MenuImages::icon(res::MenuImages::Folder);
    bool added = false;
    for (qsizetype n = 0; n < groups.size() && n < MaxLinkGroups; ++n) {
        const LinkGroup& group = groups[n];
        if (group.Separator) {
            menu->addSeparator();
            added = true;
        } else if (!group.Name.isEmpty()) {
            QAction* action =
                m_binder.createAction(base + unsigned(n), dynamicMenuText(group.Name), menu);
            action->setIcon(icon);
            menu->addAction(action);
            added = true;
        }
    }
    if (!added)
        addEmptyMenuItem(menu);
}

void CLinkGroupMenus::fillAsFavorites(QMenu* menu) {
    removeDynamicItems(menu, 0, true);
    m_favoriteUrls.clear();
    const QIcon folderIcon = res::MenuImages::icon(res::MenuImages::Folder);
    const QIcon linkIcon = res::MenuImages::icon(res::MenuImages::Link);
    bool any = false;
    for (const LinkGroup& group : m_settings.LinkGroups) {
        if (group.Separator)
            continue;
        any = true;
        auto* sub = new QMenu(dynamicMenuText(group.Name), menu);
        sub->setIcon(folderIcon);
        m_binder.bindMenu(sub);
        m_binder.bindAction(sub->menuAction(), cmd::LinkGroupFavoritesPopup);
        menu->addMenu(sub);
        if (group.Links.isEmpty())
            addEmptyMenuItem(sub);
        for (const LinkGroupLink& link : group.Links) {
            if (unsigned(m_favoriteUrls.size()) >= cmd::LinkGroupFavoriteLinks.size())
                break;
            const unsigned id = cmd::LinkGroupFavoriteLinks.at(unsigned(m_favoriteUrls.size()));
            QAction* action = m_binder.createAction(id, dynamicMenuText(link.Name), sub);
            action->setIcon(linkIcon);
            sub->addAction(action);
            m_favoriteUrls << link.URL;
        }
    }
    if (!any)
        addEmptyMenuItem(menu);
}

void CLinkGroupMenus::openGroup(int index) {
    const QList<LinkGroup>& groups = m_settings.LinkGroups;
    if (index < 0 || index >= groups.size())
        return;
    const int engine = m_opener.SecondEngineWanted() ? 1 : 0;
    m_opener.OpenInNewWindows(LinkGroupOpenUrls(groups[index]), engine);
}

void CLinkGroupMenus::openLink(const QString& url) {
    const bool newWindow = m_opener.ShiftHeld() || m_settings.AlwaysOpenLinksInNew != 0;
    m_opener.Open(url, newWindow, m_opener.SecondEngineWanted());
}

QString CLinkGroupMenus::groupName(unsigned index) const {
    const QList<LinkGroup>& groups = m_settings.LinkGroups;
    return qsizetype(index) < groups.size() ? groups[qsizetype(index)].Name : QString();
}

std::optional<QString> CLinkGroupMenus::prompt(unsigned id) const {
    const QList<LinkGroup>& groups = m_settings.LinkGroups;
    if (cmd::LinkGroupOpen.contains(id)) {
        const auto index = qsizetype(cmd::LinkGroupOpen.index(id));
        if (index >= groups.size())
            return std::nullopt;
        QString text =
            res::formatString(sid::OpenLinkGroupPrompt, {{"%linkgroup%", groups[index].Name}});
        if (!groups[index].Links.isEmpty())
            text += QStringLiteral(" (%1)").arg(LinkGroupLinkSummary(groups[index]));
        return text;
    }
    if (cmd::LinkGroupAdd.contains(id))
        return res::formatString(sid::AddToLinkGroupPrompt,
                                 {{"%linkgroup%", groupName(cmd::LinkGroupAdd.index(id))}});
    if (cmd::TabLinkGroupAdd.contains(id))
        return res::formatString(sid::AddTabToLinkGroupPrompt,
                                 {{"%linkgroup%", groupName(cmd::TabLinkGroupAdd.index(id))}});
    if (cmd::LinkGroupFavoriteLinks.contains(id)) {
        const auto index = qsizetype(cmd::LinkGroupFavoriteLinks.index(id));
        if (index < m_favoriteUrls.size())
            return res::formatString(sid::OpenUrlPrompt, {{"%url%", m_favoriteUrls[index]}});
    }
    return std::nullopt;
}
