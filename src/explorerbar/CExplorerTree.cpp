#include "explorerbar/CExplorerTree.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace {

constexpr int kAddressRole = Qt::UserRole + 1;
constexpr int kFolderKeyRole = Qt::UserRole + 2;
constexpr int kFilledRole = Qt::UserRole + 3;

} // namespace

CExplorerTree::CExplorerTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setFrameShape(QFrame::StyledPanel);
    connect(this, &QTreeWidget::itemExpanded, this, &CExplorerTree::expanded);
}

QTreeWidgetItem* CExplorerTree::AddFolder(QTreeWidgetItem* parent, const QString& text,
                                          const QString& key) {
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(this, {text});
    item->setData(0, kFolderKeyRole, key);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

QTreeWidgetItem* CExplorerTree::AddItem(QTreeWidgetItem* parent, const QString& text,
                                        const QString& address) {
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(this, {text});
    item->setData(0, kAddressRole, address);
    item->setToolTip(0, address);
    return item;
}

bool CExplorerTree::IsFolder(const QTreeWidgetItem* item) {
    return item && item->data(0, kFolderKeyRole).isValid();
}

QString CExplorerTree::FolderKey(const QTreeWidgetItem* item) {
    return item ? item->data(0, kFolderKeyRole).toString() : QString();
}

QString CExplorerTree::AddressOf(const QTreeWidgetItem* item) const {
    if (!item || IsFolder(item))
        return QString();
    return ResolveAddress(item->data(0, kAddressRole).toString());
}

QString CExplorerTree::SelectedAddress() const { return AddressOf(currentItem()); }

void CExplorerTree::Reset() { clear(); }

void CExplorerTree::expanded(QTreeWidgetItem* item) {
    if (!IsFolder(item) || item->data(0, kFilledRole).toBool())
        return;
    item->setData(0, kFilledRole, true);
    FillFolder(item, item->data(0, kFolderKeyRole).toString());
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CExplorerTree::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(pos);
    // A click on the expand arrow is the tree's own business.
    const bool onItem = item && pos.x() >= visualItemRect(item).left();
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !onItem)
        return;
    setCurrentItem(item);
    if (IsFolder(item)) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    const QString address = AddressOf(item);
    if (!address.isEmpty())
        emit openRequested(address);
}

void CExplorerTree::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = itemAt(event->pos());
    if (!item || IsFolder(item))
        return;
    setCurrentItem(item);
    emit menuRequested(event->globalPos());
}
