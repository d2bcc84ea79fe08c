#include "options/CStartLinkGroupsDialog.h"

#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CStartLinkGroupsDialog::CStartLinkGroupsDialog(QWidget* parent, const QStringList& names,
                                               const QList<bool>& marks)
    : QDialog(parent), m_list(new QListWidget(this)) {
    setWindowTitle(res::loadString(sid::OptionsTitle));
    auto* prompt = new QLabel(res::loadString(sid::ChooseStartupLinkGroups), this);
    prompt->setWordWrap(true);
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(names[i], m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(i < marks.size() && marks[i] ? Qt::Checked : Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
}

QList<bool> CStartLinkGroupsDialog::Marks() const {
    QList<bool> marks;
    for (int i = 0; i < m_list->count(); ++i)
        marks.append(m_list->item(i)->checkState() == Qt::Checked);
    return marks;
}
