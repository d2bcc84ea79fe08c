#include "addressbar/CAddressListModel.h"

#include "addressbar/TypedAddressList.h"
#include "res/images/MenuImages.h"

CAddressListModel::CAddressListModel(TypedAddressList* list, QObject* parent)
    : QIdentityProxyModel(parent), m_link(res::MenuImages::icon(res::MenuImages::Link)) {
    setSourceModel(list);
}

QVariant CAddressListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && index.isValid())
        return m_link;
    return QIdentityProxyModel::data(index, role);
}
