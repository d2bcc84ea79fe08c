#pragma once

#include "framework/CommandTarget.h"

#include <memory>

class CFavoritesCommands;
class CFavoritesMenu;
class CLinkGroupCommands;
class CLinkGroupMenus;
class CLinkOpener;
class CMainFrame;
class IMainFrameHost;
class QMenu;

// Everything of the main frame that deals with favorites and link groups:
// the Favorites menu and the favorites commands, the link-group menus, the
// link bar's commands and the link-group commands, as one command target
// the frame consults. Made once
// the frame's menus and link bar exist.
class CFavoritesAndLinkGroups : public CommandTarget {
public:
    // frame and host must outlive this.
    CFavoritesAndLinkGroups(CMainFrame& frame, IMainFrameHost& host);
    ~CFavoritesAndLinkGroups() override;

    // Fills an add-to-link-group submenu of a caption (tabMenu false) or Tab
    // menu whenever it opens.
    void WatchContextLinkGroupMenu(QMenu* menu, bool tabMenu);

    CLinkOpener& Opener() const { return *m_opener; }
    CFavoritesMenu& Favorites() const { return *m_favorites; }
    // Add, organise, import and export favorites (32803, 32819, 32804,
    // 32826, 32827); tells when the Favorites folder changed.
    CFavoritesCommands& FavoritesCommands() const { return *m_favoritesCommands; }
    CLinkGroupMenus& LinkGroupMenus() const { return *m_linkGroupMenus; }

    bool onCommand(unsigned id) override;
    bool onUpdateCommand(CommandState& state) override;
    bool hasCommandHandler(unsigned id) const override;

private:
    std::unique_ptr<CLinkOpener> m_opener;
    std::unique_ptr<CFavoritesMenu> m_favorites;
    std::unique_ptr<CFavoritesCommands> m_favoritesCommands;
    std::unique_ptr<CLinkGroupMenus> m_linkGroupMenus;
    std::unique_ptr<CLinkGroupCommands> m_linkGroupCommands;
};
