#pragma once

#include <QIcon>
#include <QIdentityProxyModel>

class TypedAddressList;

// The typed-address history as the address box shows it: each row with the
// web-link picture of the menu images in front of its text. Forwards
// everything else to the list unchanged.
class CAddressListModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    explicit CAddressListModel(TypedAddressList* list, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QIcon m_link;
};
