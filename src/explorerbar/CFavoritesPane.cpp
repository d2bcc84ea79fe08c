#include "explorerbar/CFavoritesPane.h"

#include "addressbar/CFlatImageButton.h"
#include "explorerbar/CExplorerTree.h"
#include "explorerbar/IExplorerBarHost.h"
#include "framework/CommandIds.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/FavoritesFolder.h"
#include "system/ShellFolders.h"

#include <QAction>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// A folder's key is its path; a link opens its address, a shortcut file
// the address it leads to.
class CFavoritesTree : public CExplorerTree {
public:
    explicit CFavoritesTree(QWidget* parent) : CExplorerTree(parent) {}

    void Fill(QTreeWidgetItem* folder, const QString& path) {
        const FavoritesFolderListing listing = ReadFavoritesFolder(path, true);
        for (const FavoritesFolderEntry& entry : listing.folders)
            AddFolder(folder, entry.name, entry.path)
                ->setIcon(0, m_icons.icon(QFileIconProvider::Folder));
        for (const FavoritesFolderEntry& entry : listing.links)
            AddItem(folder, entry.name, entry.target)
                ->setIcon(0, m_icons.icon(QFileIconProvider::Network));
    }

protected:
    void FillFolder(QTreeWidgetItem* folder, const QString& key) override { Fill(folder, key); }
    QString ResolveAddress(const QString& stored) const override {
        return IsFavoriteShortcutTarget(stored) ? ResolveFavoriteShortcut(stored) : stored;
    }

private:
    QFileIconProvider m_icons;
};

} // namespace

CFavoritesPane::CFavoritesPane(IExplorerBarHost& host, QWidget* parent)
    : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("favoritesPane"));
    m_buttons[0] = addCommandButton(174, sid::AddToFavoritesTip, cmd::AddToFavorites);
    m_buttons[1] = addCommandButton(175, sid::OrganizeFavoritesTip, cmd::OrganizeFavorites);
    m_buttons[2] = addCommandButton(176, sid::RefreshTip, 0);
    connect(m_buttons[2], &QAbstractButton::clicked, this, &CFavoritesPane::Refresh);
    m_tree = new CFavoritesTree(this);
    m_tree->setObjectName(QStringLiteral("favoritesTree"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (CFlatImageButton* button : m_buttons)
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(m_tree);
    Refresh();
}

CFlatImageButton* CFavoritesPane::addCommandButton(int bitmap, unsigned tip, unsigned command) {
    auto* button = new CFlatImageButton(this);
    button->LoadBitmap(bitmap, true);
    button->setToolTip(res::loadString(tip));
    if (QAction* action = command ? m_host.CommandAction(command) : nullptr) {
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    }
    return button;
}

CFlatImageButton* CFavoritesPane::Button(int index) const {
    return index >= 0 && index < 3 ? m_buttons[index] : nullptr;
}

void CFavoritesPane::Refresh() {
    m_tree->Reset();
    static_cast<CFavoritesTree*>(m_tree)->Fill(nullptr,
                                               shellFolderPath(QString::fromUtf16(kFavoritesFolderValue)));
}
