#include "linkgroups/LinkGroupDialogParts.h"

#include "framework/MessageBoxStyle.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace linkgroupdialog {

QDialogButtonBox* makeButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(IDCANCEL));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* makeEdit(QWidget* parent, int id, const QString& text, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMaxLength(maxLength);
    edit->setText(text.left(maxLength));
    edit->setMinimumWidth(280);
    return edit;
}

bool requireText(QLineEdit* edit) {
    if (!edit->text().trimmed().isEmpty())
        return true;
    edit->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace linkgroupdialog
