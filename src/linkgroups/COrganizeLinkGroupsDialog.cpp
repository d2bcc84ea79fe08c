#include "linkgroups/COrganizeLinkGroupsDialog.h"

#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "linkgroups/CLinkDialog.h"
#include "linkgroups/CLinkGroupDialog.h"
#include "linkgroups/LinkGroupActions.h"
#include "linkgroups/LinkGroupDialogParts.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 20;

QStyle::StandardPixmap pictureOf(int id) {
    switch (id) {
    case COrganizeLinkGroupsDialog::NewGroup:
        return QStyle::SP_FileDialogNewFolder;
    case COrganizeLinkGroupsDialog::NewLink:
        return QStyle::SP_FileIcon;
    case COrganizeLinkGroupsDialog::EditGroup:
    case COrganizeLinkGroupsDialog::EditLink:
        return QStyle::SP_FileDialogDetailedView;
    case COrganizeLinkGroupsDialog::DeleteGroup:
    case COrganizeLinkGroupsDialog::DeleteLink:
        return QStyle::SP_TrashIcon;
    case COrganizeLinkGroupsDialog::GroupUp:
    case COrganizeLinkGroupsDialog::LinkUp:
        return QStyle::SP_ArrowUp;
    default:
        return QStyle::SP_ArrowDown;
    }
}

bool ask(QWidget* parent, unsigned messageId) {
    CCheckMessageBox box(parent, messageId, MB_YESNO | MB_ICONQUESTION);
    return box.DoModal() == IDYES;
}

QTreeWidget* makeTree(QWidget* parent, int id) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QString::number(id));
    tree->setRootIsDecorated(false);
    return tree;
}

} // namespace

COrganizeLinkGroupsDialog::COrganizeLinkGroupsDialog(QWidget* parent,
                                                     const QList<LinkGroup>& groups)
    : QDialog(parent), m_groups(groups), m_tree(makeTree(this, GroupTreeControl)),
      m_links(makeTree(this, LinkListControl)) {
    setWindowTitle(QStringLiteral("整理快捷组"));
    m_tree->setHeaderHidden(true);
    m_links->setHeaderLabels({res::loadString(sid::NameHeader), res::loadString(sid::LinkHeader)});
    m_links->header()->resizeSection(0, 100);
    m_links->header()->resizeSection(1, 265);
    m_links->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_links->setMinimumWidth(380);

    auto* groupButtons = new QHBoxLayout;
    for (const auto& [id, tip] : {std::pair{NewGroup, sid::NewLinkGroupTip},
                                  {EditGroup, sid::EditLinkGroupTip},
                                  {DeleteGroup, sid::DeleteLinkGroupTip},
                                  {GroupUp, sid::MoveLinkGroupUpTip},
                                  {GroupDown, sid::MoveLinkGroupDownTip}})
        groupButtons->addWidget(makeButton(id, tip));
    groupButtons->addStretch();
    auto* linkButtons = new QHBoxLayout;
    for (const auto& [id, tip] :
         {std::pair{NewLink, sid::NewLinkTip}, {EditLink, sid::EditLinkTip},
          {DeleteLink, sid::DeleteLinkTip}, {LinkUp, sid::MoveLinkUpTip},
          {LinkDown, sid::MoveLinkDownTip}})
        linkButtons->addWidget(makeButton(id, tip));
    linkButtons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("快捷组："), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("链接："), this), 0, 1);
    grid->addWidget(m_tree, 1, 0);
    grid->addWidget(m_links, 1, 1);
    grid->addLayout(groupButtons, 2, 0);
    grid->addLayout(linkButtons, 2, 1);
    grid->addWidget(linkgroupdialog::makeButtons(this), 3, 0, 1, 2);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { fillLinks(0); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { editGroup(); });
    connect(m_links, &QTreeWidget::itemDoubleClicked, this, [this] { editLink(); });
    fillGroups(0);
}

QToolButton* COrganizeLinkGroupsDialog::makeButton(Button id, unsigned tipId) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::number(id));
    button->setAutoRaise(true);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIcon(style()->standardIcon(pictureOf(id)));
    button->setToolTip(res::loadString(tipId));
    connect(button, &QToolButton::clicked, this, [this, id] { Press(id); });
    return button;
}

void COrganizeLinkGroupsDialog::Press(Button button) {
    switch (button) {
    case NewGroup: newGroup(); break;
    case EditGroup: editGroup(); break;
    case DeleteGroup: deleteGroup(); break;
    case GroupUp: moveGroup(-1); break;
    case GroupDown: moveGroup(1); break;
    case NewLink: newLink(); break;
    case EditLink: editLink(); break;
    case DeleteLink: deleteLink(); break;
    case LinkUp: moveLink(-1); break;
    case LinkDown: moveLink(1); break;
    }
}

int COrganizeLinkGroupsDialog::CurrentGroup() const {
    QTreeWidgetItem* item = m_tree->currentItem();
    return item ? m_tree->indexOfTopLevelItem(item) : -1;
}

int COrganizeLinkGroupsDialog::CurrentLink() const {
    QTreeWidgetItem* item = m_links->currentItem();
    return item ? m_links->indexOfTopLevelItem(item) : -1;
}

void COrganizeLinkGroupsDialog::SelectGroup(int index) {
    if (QTreeWidgetItem* item = m_tree->topLevelItem(index))
        m_tree->setCurrentItem(item);
}

void COrganizeLinkGroupsDialog::SelectLink(int index) {
    if (QTreeWidgetItem* item = m_links->topLevelItem(index))
        m_links->setCurrentItem(item);
}

void COrganizeLinkGroupsDialog::fillGroups(int select) {
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    for (const LinkGroup& group : m_groups)
        new QTreeWidgetItem(m_tree, {group.Name});
    SelectGroup(select);
    fillLinks(0);
}

void COrganizeLinkGroupsDialog::fillLinks(int select) {
    m_links->clear();
    const int group = CurrentGroup();
    if (group < 0)
        return;
    for (const LinkGroupLink& link : m_groups[group].Links)
        new QTreeWidgetItem(m_links, {link.Name, link.URL});
    SelectLink(select);
}

void COrganizeLinkGroupsDialog::newGroup() {
    if (!CheckLinkGroupLimit(this, m_groups))
        return;
    CLinkGroupDialog dialog(this, LinkGroup{}, CLinkGroupDialog::Mode::Organize, true, m_groups);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    const int at = CurrentGroup() + 1;
    m_groups.insert(at, dialog.Result());
    fillGroups(at);
}

void COrganizeLinkGroupsDialog::editGroup() {
    const int index = CurrentGroup();
    if (index < 0)
        return;
    QList<LinkGroup> others = m_groups;
    others.removeAt(index);
    CLinkGroupDialog dialog(this, m_groups[index], CLinkGroupDialog::Mode::Organize, true, others);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    m_groups[index] = dialog.Result();
    fillGroups(index);
}

void COrganizeLinkGroupsDialog::deleteGroup() {
    const int index = CurrentGroup();
    if (index < 0 || !ask(this, sid::ConfirmDeleteLinkGroup))
        return;
    m_groups.removeAt(index);
    fillGroups(index < m_groups.size() ? index : index - 1);
}

void COrganizeLinkGroupsDialog::moveGroup(int step) {
    const int index = CurrentGroup();
    const int to = index + step;
    if (index < 0 || to < 0 || to >= m_groups.size())
        return;
    m_groups.swapItemsAt(index, to);
    fillGroups(to);
}

void COrganizeLinkGroupsDialog::newLink() {
    const int group = CurrentGroup();
    if (group < 0 || m_groups[group].Separator)
        return;
    CLinkDialog dialog(this, QString(), QString());
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    const int at = CurrentLink() + 1;
    m_groups[group].Links.insert(at, {dialog.Name(), dialog.Url()});
    fillLinks(at);
}

void COrganizeLinkGroupsDialog::editLink() {
    const int group = CurrentGroup();
    const int index = CurrentLink();
    if (group < 0 || index < 0)
        return;
    LinkGroupLink& link = m_groups[group].Links[index];
    CLinkDialog dialog(this, link.Name, link.URL);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    link = {dialog.Name(), dialog.Url()};
    fillLinks(index);
}

void COrganizeLinkGroupsDialog::deleteLink() {
    const int group = CurrentGroup();
    const int index = CurrentLink();
    if (group < 0 || index < 0 || !ask(this, sid::ConfirmDeleteLink))
        return;
    m_groups[group].Links.removeAt(index);
    fillLinks(index < m_groups[group].Links.size() ? index : index - 1);
}

void COrganizeLinkGroupsDialog::moveLink(int step) {
    const int group = CurrentGroup();
    const int index = CurrentLink();
    const int to = index + step;
    if (group < 0 || index < 0 || to < 0 || to >= m_groups[group].Links.size())
        return;
    m_groups[group].Links.swapItemsAt(index, to);
    fillLinks(to);
}
