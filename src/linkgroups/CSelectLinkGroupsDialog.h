#pragma once

#include "linkgroups/LinkGroup.h"

#include <QDialog>
#include <QList>
#include <QString>

class QTreeWidget;

// The select-group dialog (193): prompt 10102 above tree 10084, which lists
// the groups, each with a check box showing its flag. Clicking an item
// toggles its check. OK gives one flag per group in order.
class CSelectLinkGroupsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int PromptControl = 10102;
    static constexpr int TreeControl = 10084;

    // flags: one per group (missing ones count as set).
    CSelectLinkGroupsDialog(QWidget* parent, const QList<LinkGroup>& groups, const QString& prompt,
                            const QList<bool>& flags);

    QList<bool> Flags() const;
    // Ticks or clears the item of group index.
    void SetFlag(int index, bool on);
    QTreeWidget* Tree() const { return m_tree; }

private:
    QTreeWidget* m_tree;
};

// Runs the dialog; on OK *flags become its flags. Returns whether OK was
// chosen.
bool SelectLinkGroups(QWidget* parent, const QList<LinkGroup>& groups, const QString& prompt,
                      QList<bool>* flags);
