#include "system/CFavoritesTreeWidget.h"

#include "res/images/MenuImages.h"
#include "system/FavoritesFolder.h"
#include "system/FavoritesTree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

CFavoritesTreeWidget::CFavoritesTreeWidget(QString root, bool withLinks, QWidget* parent)
    : QTreeWidget(parent), m_root(QDir::cleanPath(std::move(root))), m_withLinks(withLinks) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumSize(260, 220);
    Reload(m_root);
}

void CFavoritesTreeWidget::Reload(const QString& select) {
    clear();
    auto* top = new QTreeWidgetItem(this, {QStringLiteral("收藏夹")});
    top->setData(0, Qt::UserRole, m_root);
    top->setIcon(0, res::MenuImages::icon(res::MenuImages::Folder));
    QStringList seen;
    fill(top, m_root, 0, seen);
    top->setExpanded(true);
    // The entry itself, else the nearest folder above it that is still shown.
    for (QString path = QDir::cleanPath(select); !path.isEmpty(); path = QFileInfo(path).path()) {
        if (SelectPath(path))
            return;
        if (path == m_root || !path.startsWith(m_root))
            break;
    }
    setCurrentItem(top);
}

void CFavoritesTreeWidget::fill(QTreeWidgetItem* parent, const QString& folder, int depth,
                                QStringList& seen) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (depth >= kMaxDepth || canonical.isEmpty() || seen.contains(canonical))
        return;
    seen.append(canonical);
    const FavoritesFolderListing listing = ReadFavoritesFolder(folder, true);
    for (const FavoritesFolderEntry& entry : listing.folders) {
        auto* item = new QTreeWidgetItem(parent, {entry.name});
        item->setData(0, Qt::UserRole, entry.path);
        item->setIcon(0, res::MenuImages::icon(res::MenuImages::Folder));
        fill(item, entry.path, depth + 1, seen);
    }
    if (!m_withLinks)
        return;
    for (const FavoritesFolderEntry& entry : listing.links) {
        auto* item = new QTreeWidgetItem(parent, {entry.name});
        item->setData(0, Qt::UserRole, entry.path);
        item->setToolTip(0, entry.target);
        item->setIcon(0, res::MenuImages::icon(res::MenuImages::Link));
    }
}

bool CFavoritesTreeWidget::SelectPath(const QString& path) {
    const QString wanted = QDir::cleanPath(path);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == wanted) {
            for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                up->setExpanded(true);
            setCurrentItem(*it);
            scrollToItem(*it);
            return true;
        }
    }
    return false;
}

QString CFavoritesTreeWidget::CurrentPath() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : m_root;
}

QString CFavoritesTreeWidget::CurrentFolder() const {
    const QString path = CurrentPath();
    return FavoritesTree::IsLink(path) ? QFileInfo(path).path() : path;
}
