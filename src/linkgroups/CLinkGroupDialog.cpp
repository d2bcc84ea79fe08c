#include "linkgroups/CLinkGroupDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "linkgroups/CDuplicateNameDialog.h"
#include "linkgroups/LinkGroupDialogParts.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/images/AppIcons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

using namespace linkgroupdialog;

CLinkGroupDialog::CLinkGroupDialog(QWidget* parent, const LinkGroup& group, Mode mode,
                                   bool separatorAllowed, const QList<LinkGroup>& others)
    : QDialog(parent), m_group(group), m_mode(mode), m_others(others),
      m_name(makeEdit(this, NameControl, group.Name, kMaxNameLength)),
      m_startup(new QCheckBox(QStringLiteral("Quorrelin 启动时，打开该快捷组(&N)"), this)),
      m_separator(new QCheckBox(QStringLiteral("分离器(&S)"), this)) {
    setWindowTitle(QStringLiteral("快捷组"));
    setWindowIcon(res::AppIcons::linkGroupIcon());
    m_startup->setObjectName(QString::number(StartupControl));
    m_separator->setObjectName(QString::number(SeparatorControl));
    m_startup->setChecked(group.Startup != 0);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("名称(&N):"), m_name);
    layout->addRow(m_startup);
    layout->addRow(m_separator);
    layout->addRow(makeButtons(this));
    m_nameBeforeSeparator = group.Name;
    if (!separatorAllowed) {
        m_separator->setEnabled(false);
    } else if (group.Separator) {
        m_separator->setChecked(true);
        applySeparator(true);
    }
    connect(m_separator, &QCheckBox::toggled, this, &CLinkGroupDialog::applySeparator);
}

void CLinkGroupDialog::applySeparator(bool on) {
    if (on) {
        m_nameBeforeSeparator = m_name->text();
        m_name->setText(QString::fromUtf16(kSeparatorGroupName));
        m_startup->setChecked(false);
    } else if (m_name->text() == QString::fromUtf16(kSeparatorGroupName)) {
        m_name->setText(m_nameBeforeSeparator);
    }
    m_name->setEnabled(!on);
    m_startup->setEnabled(!on);
}

bool CLinkGroupDialog::confirmName(const QString& name) {
    m_choice = LinkGroupNameChoice::NewGroup;
    if (FindLinkGroup(m_others, name) < 0)
        return true;
    if (m_mode == Mode::NewForAllWindows) {
        CDuplicateNameDialog duplicate(this, name);
        if (DialogRunner::instance().exec(duplicate) != QDialog::Accepted)
            return false;
        m_choice = duplicate.Choice();
        return true;
    }
    CCheckMessageBox box(this, res::formatString(sid::LinkGroupNameExists, {{"%linkgroup%", name}}),
                         MB_YESNO | MB_ICONINFORMATION);
    return box.DoModal() == IDYES;
}

void CLinkGroupDialog::accept() {
    if (m_separator->isEnabled() && m_separator->isChecked()) {
        if (!m_group.Links.isEmpty()) {
            CCheckMessageBox box(this, sid::ConfirmMakeSeparator, MB_YESNO | MB_ICONWARNING);
            if (box.DoModal() != IDYES)
                return;
        }
        m_group.Name = QString::fromUtf16(kSeparatorGroupName);
        m_group.Startup = 0;
        m_group.Separator = 1;
        m_group.Links.clear();
        QDialog::accept();
        return;
    }
    if (!requireText(m_name))
        return;
    const QString name = m_name->text().trimmed();
    if (!confirmName(name))
        return;
    m_group.Name = name;
    m_group.Startup = m_startup->isChecked() ? 1 : 0;
    m_group.Separator = 0;
    QDialog::accept();
}

LinkGroup CLinkGroupDialog::Result() const { return m_group; }
