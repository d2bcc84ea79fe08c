#include "linkgroups/CNewLinkGroupDialog.h"

#include "framework/DialogRunner.h"
#include "linkgroups/CDuplicateNameDialog.h"
#include "linkgroups/LinkGroupDialogParts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

using namespace linkgroupdialog;

CNewLinkGroupDialog::CNewLinkGroupDialog(QWidget* parent, const QList<LinkGroup>& groups,
                                         const QString& title, const QString& url)
    : QDialog(parent), m_groups(groups),
      m_groupName(makeEdit(this, GroupNameControl, QString(), kMaxNameLength)),
      m_startup(new QCheckBox(QStringLiteral("Quorrelin 启动时，打开该快捷组"), this)),
      m_linkName(makeEdit(this, LinkNameControl, title, kMaxNameLength)),
      m_url(makeEdit(this, UrlControl, url, kMaxUrlLength)) {
    setWindowTitle(QStringLiteral("新建快捷组"));
    m_startup->setObjectName(QString::number(StartupControl));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("快捷组名称(&G):"), m_groupName);
    layout->addRow(m_startup);
    layout->addRow(QStringLiteral("链接名称(&N):"), m_linkName);
    layout->addRow(QStringLiteral("链接(&L):"), m_url);
    layout->addRow(makeButtons(this));
}

QString CNewLinkGroupDialog::GroupName() const { return m_groupName->text().trimmed(); }

bool CNewLinkGroupDialog::Startup() const { return m_startup->isChecked(); }

LinkGroupLink CNewLinkGroupDialog::Link() const {
    return {m_linkName->text().trimmed(), m_url->text().trimmed()};
}

void CNewLinkGroupDialog::accept() {
    if (!requireText(m_groupName) || !requireText(m_linkName) || !requireText(m_url))
        return;
    m_choice = LinkGroupNameChoice::NewGroup;
    if (FindLinkGroup(m_groups, GroupName()) >= 0) {
        CDuplicateNameDialog duplicate(this, GroupName());
        if (DialogRunner::instance().exec(duplicate) != QDialog::Accepted)
            return;
        m_choice = duplicate.Choice();
    }
    QDialog::accept();
}
