#include "linkgroups/CLinkGroupExportPanel.h"

#include "linkgroups/CSelectLinkGroupsDialog.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CLinkGroupExportPanel::CLinkGroupExportPanel(const QList<LinkGroup>& groups, Choice& choice,
                                             QWidget* parent)
    : QWidget(parent), m_groups(groups), m_choice(choice) {
    setObjectName(QStringLiteral("200"));
    auto* box = new QGroupBox(QStringLiteral("导出"), this);
    box->setObjectName(QString::number(BoxControl));
    m_all = new QRadioButton(QStringLiteral("所有快捷组(&L)"), box);
    m_all->setObjectName(QString::number(AllControl));
    m_chosen = new QRadioButton(QStringLiteral("选定的快捷组(&G)"), box);
    m_chosen->setObjectName(QString::number(ChosenControl));
    m_select = new QPushButton(QStringLiteral("选择(&S)..."), box);
    m_select->setObjectName(QString::number(SelectControl));
    auto* row = new QHBoxLayout;
    row->addWidget(m_chosen);
    row->addWidget(m_select);
    row->addStretch();
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(m_all);
    inner->addLayout(row);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);

    (m_choice.allGroups ? m_all : m_chosen)->setChecked(true);
    m_select->setEnabled(!m_choice.allGroups);
    connect(m_all, &QRadioButton::clicked, this, [this] {
        m_select->setEnabled(false);
        m_choice.allGroups = true;
        m_choice.flags = QList<bool>(m_groups.size(), true);
    });
    connect(m_chosen, &QRadioButton::clicked, this, [this] {
        m_select->setEnabled(true);
        m_choice.allGroups = false;
    });
    connect(m_select, &QPushButton::clicked, this, &CLinkGroupExportPanel::select);
}

void CLinkGroupExportPanel::select() {
    SelectLinkGroups(this, m_groups, res::loadString(sid::ChooseExportLinkGroups),
                     &m_choice.flags);
}
