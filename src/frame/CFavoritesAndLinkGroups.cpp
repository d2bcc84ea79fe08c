#include "frame/CFavoritesAndLinkGroups.h"

#include "frame/CFavoritesCommands.h"
#include "frame/CFavoritesMenu.h"
#include "frame/CLinkGroupCommands.h"
#include "frame/CLinkGroupMenus.h"
#include "frame/CLinkOpener.h"
#include "frame/CMainFrame.h"
#include "frame/IMainFrameHost.h"
#include "system/ShellFolders.h"

namespace {

QString favoritesFolder() {
    return shellFolderPath(QString::fromUtf16(kFavoritesFolderValue));
}

} // namespace

CFavoritesAndLinkGroups::CFavoritesAndLinkGroups(CMainFrame& frame, IMainFrameHost& host)
    : m_opener(std::make_unique<CLinkOpener>(host, [&frame] { return frame.ActiveView(); })),
      m_favorites(std::make_unique<CFavoritesMenu>(*frame.FavoritesMenu(), frame.Binder(),
                                                   host.Settings(), *m_opener, favoritesFolder,
                                                   &frame)),
      m_favoritesCommands(std::make_unique<CFavoritesCommands>(frame, favoritesFolder)),
      m_linkGroupMenus(std::make_unique<CLinkGroupMenus>(
          *frame.LinkGroupsMenu(), *frame.LinkGroupAddMenu(), frame.Binder(), host.Settings(),
          *m_opener, *frame.LinkBar())),
      m_linkGroupCommands(std::make_unique<CLinkGroupCommands>(frame, host)) {}

CFavoritesAndLinkGroups::~CFavoritesAndLinkGroups() = default;

void CFavoritesAndLinkGroups::WatchContextLinkGroupMenu(QMenu* menu, bool tabMenu) {
    m_linkGroupMenus->WatchAddMenu(menu, tabMenu);
}

bool CFavoritesAndLinkGroups::onCommand(unsigned id) {
    return m_favorites->onCommand(id) || m_favoritesCommands->onCommand(id) ||
           m_linkGroupMenus->onCommand(id) || m_linkGroupCommands->onCommand(id);
}

bool CFavoritesAndLinkGroups::onUpdateCommand(CommandState& state) {
    return m_favorites->onUpdateCommand(state) || m_favoritesCommands->onUpdateCommand(state) ||
           m_linkGroupMenus->onUpdateCommand(state) || m_linkGroupCommands->onUpdateCommand(state);
}

bool CFavoritesAndLinkGroups::hasCommandHandler(unsigned id) const {
    return m_favorites->hasCommandHandler(id) || m_favoritesCommands->hasCommandHandler(id) ||
           m_linkGroupMenus->hasCommandHandler(id) || m_linkGroupCommands->hasCommandHandler(id);
}
