#pragma once

#include "framework/ScriptableDialog.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

// Dialog 178 "清理历史记录": the traces to clear as a tree with check marks
// (tree 10069). Two roots, both expanded: "Internet Explorer" with history
// (0x1), typed addresses (0x2) and temporary files (0x4); "Quorrelin" with
// the recently closed windows (0x10000) and the auto-close addresses
// (0x20000). Checking a root sets all its children; checking a child checks
// its root exactly when all the root's children are checked.
class CClearHistoryDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    // bits: the ClearOption the children start from.
    explicit CClearHistoryDialog(unsigned bits, QWidget* parent = nullptr);

    // The bits of the checked children.
    unsigned Selection() const;
    QTreeWidget* Tree() const { return m_tree; }
    // The tree item of a child's bit, or of root 0 / 1 (null otherwise).
    QTreeWidgetItem* ItemForBit(unsigned bit) const;
    QTreeWidgetItem* Root(int index) const;

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

    static constexpr int kTreeId = 10069;

private:
    void addRoot(const QString& text, const std::initializer_list<std::pair<unsigned, unsigned>>& children,
                 unsigned bits);
    void itemChanged(QTreeWidgetItem* item);

    QTreeWidget* m_tree = nullptr;
    bool m_applying = false;
};
