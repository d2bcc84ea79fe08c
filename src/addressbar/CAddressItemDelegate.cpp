#include "addressbar/CAddressItemDelegate.h"

#include "res/images/MenuImages.h"

CAddressItemDelegate::CAddressItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_link(res::MenuImages::icon(res::MenuImages::Link)) {}

void CAddressItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = m_link;
    option->decorationSize = QSize(16, 16);
}
