#include "addressbar/TypedAddressList.h"

#include "app/RegStringList.h"
#include "platform/registry/RegKey.h"

namespace {

QString keyPath() {
    return QString::fromUtf16(kTypedUrlsKeyPath);
}

} // namespace

TypedAddressList::TypedAddressList(platform::Registry* registry, QObject* parent)
    : QAbstractListModel(parent), registry_(registry) {}

int TypedAddressList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(addresses_.size());
}

QVariant TypedAddressList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= addresses_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return addresses_[index.row()];
    return {};
}

bool TypedAddressList::AddToAddressList(const QString& url) {
    if (url.isEmpty() || url.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0)
        return false;
    for (int row = 0; row < addresses_.size(); ++row) {
        if (addresses_[row].compare(url, Qt::CaseInsensitive) == 0) {
            beginRemoveRows(QModelIndex(), row, row);
            addresses_.removeAt(row);
            endRemoveRows();
            break;
        }
    }
    beginInsertRows(QModelIndex(), 0, 0);
    addresses_.prepend(url);
    endInsertRows();
    return true;
}

QString TypedAddressList::MoveToTop(int row) {
    if (row < 0 || row >= addresses_.size() || addresses_[row].isEmpty())
        return QString();
    const QString text = addresses_[row];
    beginRemoveRows(QModelIndex(), row, row);
    addresses_.removeAt(row);
    endRemoveRows();
    beginInsertRows(QModelIndex(), 0, 0);
    addresses_.prepend(text);
    endInsertRows();
    return text;
}

void TypedAddressList::LoadTypedUrls() {
    QStringList loaded;
    ReadStringList(keyPath(), QString::fromUtf16(kTypedUrlsPrefix), StringListMode::Append, 0,
                   &loaded, registry_);
    beginResetModel();
    addresses_ = loaded;
    endResetModel();
}

platform::RegError TypedAddressList::SaveTypedUrls(IErrorReporter* reporter) const {
    QStringList texts;
    for (const QString& address : addresses_) {
        if (!address.isEmpty())
            texts.append(address);
    }
    return WriteStringList(keyPath(), QString::fromUtf16(kTypedUrlsPrefix), texts, reporter,
                           registry_);
}

platform::RegError TypedAddressList::ClearTypedUrls() {
    const platform::RegKey root = platform::RegKey::root(platform::RegRoot::CurrentUser, registry_);
    platform::RegError error = root.deleteSubtree(keyPath());
    if (error == platform::ERROR_FILE_NOT_FOUND)
        error = platform::ERROR_SUCCESS;
    beginResetModel();
    addresses_.clear();
    endResetModel();
    return error;
}
