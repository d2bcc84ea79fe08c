#include "frame/CFavoritesCommands.h"

#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowManager.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/CAddFavoriteDialog.h"
#include "system/COrganizeFavoritesDialog.h"
#include "system/FavoritesExchangeUi.h"
#include "system/FavoritesMessages.h"

#include <QDir>

CFavoritesCommands::CFavoritesCommands(CMainFrame& frame, std::function<QString()> favoritesFolder)
    : m_frame(frame), m_favoritesFolder(std::move(favoritesFolder)) {
    CommandMap& map = commands();
    map.on(cmd::AddToFavorites, [this] { addPage(m_frame.ActiveView()); });
    map.onUpdate(cmd::AddToFavorites,
                 [this](CommandState& state) { state.enable(m_frame.ActiveView()); });
    map.on(cmd::TabAddToFavorites, [this] { addPage(m_frame.Windows().contextView()); });
    map.onUpdate(cmd::TabAddToFavorites,
                 [this](CommandState& state) { state.enable(m_frame.Windows().contextView()); });
    map.on(cmd::OrganizeFavorites, [this] {
        const QString root = folder();
        if (root.isEmpty())
            return;
        COrganizeFavoritesDialog dialog(&m_frame, root);
        DialogRunner::instance().exec(dialog);
        if (dialog.Changed())
            changed();
    });
    map.on(cmd::ImportFavorites, [this] {
        const QString root = folder();
        if (!root.isEmpty() && ImportFavoritesInteractive(&m_frame, root) > 0)
            changed();
    });
    map.on(cmd::ExportFavorites, [this] {
        const QString root = folder();
        if (!root.isEmpty())
            ExportFavoritesInteractive(&m_frame, root);
    });
}

QString CFavoritesCommands::folder() {
    const QString root = m_favoritesFolder ? m_favoritesFolder() : QString();
    if (!root.isEmpty() && QDir().mkpath(root))
        return root;
    ShowFavoritesMessage(&m_frame, res::loadString(sid::NoFavoritesFolder), MB_OK | MB_ICONSTOP);
    return {};
}

void CFavoritesCommands::addPage(const CBrowserView* view) {
    if (!view)
        return;
    QString url = view->LocationURL();
    if (url.isEmpty())
        url = view->RequestedUrl();
    if (url.isEmpty()) {
        ShowFavoritesMessage(&m_frame, res::loadString(sid::NoAddressToAdd),
                             MB_OK | MB_ICONWARNING);
        return;
    }
    const QString root = folder();
    if (root.isEmpty())
        return;
    CAddFavoriteDialog dialog(&m_frame, root, view->PageTitle(), url);
    if (DialogRunner::instance().exec(dialog) == QDialog::Accepted)
        changed();
}

void CFavoritesCommands::changed() {
    m_frame.RefillLinkBar();
    emit FavoritesChanged();
}
