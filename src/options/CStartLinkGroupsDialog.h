#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

// The choice of the link groups that open at start-up: a list of the groups
// with a check mark each, headed by message 51525. Runs through the
// DialogRunner (tests drive it with an acting answer).
class CStartLinkGroupsDialog : public QDialog {
    Q_OBJECT

public:
    // names and marks: one entry per link group, in group order.
    CStartLinkGroupsDialog(QWidget* parent, const QStringList& names, const QList<bool>& marks);

    // The marks as they stand, in group order.
    QList<bool> Marks() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
