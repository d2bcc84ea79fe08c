#include "system/CFavoriteNameDialog.h"

#include "linkgroups/LinkGroupDialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFavoriteNameDialog::CFavoriteNameDialog(QWidget* parent, const QString& title,
                                         const QString& prompt, const QString& name)
    : QDialog(parent),
      m_name(linkgroupdialog::makeEdit(this, 0, name, linkgroupdialog::kMaxNameLength * 2)) {
    setWindowTitle(title);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->selectAll();
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_name);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addWidget(linkgroupdialog::makeButtons(this));
}

QString CFavoriteNameDialog::Name() const {
    return m_name->text().trimmed();
}

void CFavoriteNameDialog::accept() {
    if (linkgroupdialog::requireText(m_name))
        QDialog::accept();
}
