#include "linkgroups/CSelectLinkGroupsDialog.h"

#include "framework/DialogRunner.h"
#include "linkgroups/LinkGroupDialogParts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

CSelectLinkGroupsDialog::CSelectLinkGroupsDialog(QWidget* parent, const QList<LinkGroup>& groups,
                                                 const QString& prompt, const QList<bool>& flags)
    : QDialog(parent), m_tree(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("选择快捷组"));
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QString::number(PromptControl));
    label->setTextFormat(Qt::PlainText);
    m_tree->setObjectName(QString::number(TreeControl));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setMinimumSize(260, 240);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_tree, {groups[i].Name});
        // Not user-checkable: the click handler below is the one way to toggle,
        // so a click on the box itself does not toggle twice.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(0, i >= flags.size() || flags[i] ? Qt::Checked : Qt::Unchecked);
    }
    // A click anywhere on an item toggles its check and selects it.
    connect(m_tree, &QTreeWidget::itemClicked, this, [](QTreeWidgetItem* item, int) {
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tree);
    layout->addWidget(linkgroupdialog::makeButtons(this));
}

QList<bool> CSelectLinkGroupsDialog::Flags() const {
    QList<bool> flags;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        flags << (m_tree->topLevelItem(i)->checkState(0) == Qt::Checked);
    return flags;
}

void CSelectLinkGroupsDialog::SetFlag(int index, bool on) {
    if (QTreeWidgetItem* item = m_tree->topLevelItem(index))
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

bool SelectLinkGroups(QWidget* parent, const QList<LinkGroup>& groups, const QString& prompt,
                      QList<bool>* flags) {
    CSelectLinkGroupsDialog dialog(parent, groups, prompt, *flags);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return false;
    *flags = dialog.Flags();
    return true;
}
