#include "linkgroups/CLinkDialog.h"

#include "linkgroups/LinkGroupDialogParts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

using namespace linkgroupdialog;

CLinkDialog::CLinkDialog(QWidget* parent, const QString& name, const QString& url)
    : QDialog(parent), m_name(makeEdit(this, NameControl, name, kMaxNameLength)),
      m_url(makeEdit(this, UrlControl, url, kMaxUrlLength)) {
    setWindowTitle(QStringLiteral("链接"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("名称(&N):"), m_name);
    layout->addRow(QStringLiteral("链接(&L):"), m_url);
    layout->addRow(makeButtons(this));
}

QString CLinkDialog::Name() const { return m_name->text().trimmed(); }

QString CLinkDialog::Url() const { return m_url->text().trimmed(); }

void CLinkDialog::accept() {
    if (requireText(m_name) && requireText(m_url))
        QDialog::accept();
}
