#include "linkgroups/CDuplicateNameDialog.h"

#include "linkgroups/LinkGroupDialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* makeRadio(QWidget* parent, int id, const QString& text) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

} // namespace

CDuplicateNameDialog::CDuplicateNameDialog(QWidget* parent, const QString& name)
    : QDialog(parent),
      m_newGroup(makeRadio(this, NewGroupControl, QStringLiteral("创建同名的新快捷组(&L)"))),
      m_replace(makeRadio(this, ReplaceControl, QStringLiteral("替换已有的快捷组(&R)"))),
      m_add(makeRadio(this, AddControl, QStringLiteral("将链接添加到已有的快捷组中(&A)"))) {
    setWindowTitle(QStringLiteral("快捷组"));
    QString text = QStringLiteral("快捷组 \"%linkgroup%\" 已经存在，你想：");
    text.replace(QStringLiteral("%linkgroup%"), name);
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::number(TextControl));
    label->setTextFormat(Qt::PlainText);
    m_newGroup->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_newGroup);
    layout->addWidget(m_replace);
    layout->addWidget(m_add);
    layout->addWidget(linkgroupdialog::makeButtons(this));
}

LinkGroupNameChoice CDuplicateNameDialog::Choice() const {
    if (m_replace->isChecked())
        return LinkGroupNameChoice::Replace;
    if (m_add->isChecked())
        return LinkGroupNameChoice::AddToExisting;
    return LinkGroupNameChoice::NewGroup;
}

void CDuplicateNameDialog::SetChoice(LinkGroupNameChoice choice) {
    switch (choice) {
    case LinkGroupNameChoice::NewGroup:
        m_newGroup->setChecked(true);
        break;
    case LinkGroupNameChoice::Replace:
        m_replace->setChecked(true);
        break;
    case LinkGroupNameChoice::AddToExisting:
        m_add->setChecked(true);
        break;
    }
}
