#pragma once

#include "platform/registry/RegTypes.h"

#include <QAbstractListModel>
#include <QStringList>

class IErrorReporter;
namespace platform {
class Registry;
}

// The typed-address history shared with the other browser of the system:
// values url1, url2, ... (REG_EXPAND_SZ) of this key of the current user.
inline constexpr char16_t kTypedUrlsKeyPath[] =
    u"Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr char16_t kTypedUrlsPrefix[] = u"url";

// The address box's drop-down list: addresses, most recent first, one row
// each (the display and edit roles give the text). The list has no length
// limit of its own. Holds no widget; the address box shows it as its model.
class TypedAddressList : public QAbstractListModel {
    Q_OBJECT
public:
    // registry null means the process's own registry; it must outlive this.
    explicit TypedAddressList(platform::Registry* registry = nullptr, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The rows' texts, top first.
    const QStringList& Addresses() const { return addresses_; }

    // Puts url at row 0. The first row equal to url ignoring case is removed
    // first, so the address appears once, in the letter case given now. An
    // empty url and "about:blank" (any case) are never listed: false, nothing
    // changes.
    bool AddToAddressList(const QString& url);
    // A row picked from the list moves to the top: returns its text, or an
    // empty string (nothing moved) for a row out of range or with empty text.
    QString MoveToTop(int row);

    // Replaces the rows with the registry's url1, url2, ... in that order,
    // stopping at the first number without a string value.
    void LoadTypedUrls();
    // Rewrites the key whole with the non-empty rows, top first, numbered
    // url1, url2, ... without gaps; with no such row the key is deleted and
    // not created again. A key that cannot be created goes to reporter (null:
    // not shown) and the old values stay. Returns the error, if any.
    platform::RegError SaveTypedUrls(IErrorReporter* reporter = nullptr) const;
    // Deletes the key with its contents and empties the rows.
    platform::RegError ClearTypedUrls();

private:
    platform::Registry* registry_;
    QStringList addresses_;
};
