#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

// Draws the rows of the address box's lists (the history and the
// completions) with the web-link picture of the menu images in front of
// their text. The picture belongs to the rows of the lists only: the list's
// model carries none, so the box's text field shows no second picture
// beside its own page picture.
class CAddressItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CAddressItemDelegate(QObject* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QIcon m_link;
};
