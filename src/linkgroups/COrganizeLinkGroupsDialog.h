#pragma once

#include "linkgroups/LinkGroup.h"

#include <QDialog>
#include <QList>

class QToolButton;
class QTreeWidget;

// The organize dialog (180) on a copy of the link-group list: tree 10075
// lists the groups, list 10076 the links of the selected group (columns
// "名称" and "链接"). Buttons below the tree: new (189), edit (183), delete
// (190), up (187), down (185) group; below the list: new (181), edit (184),
// delete (182), up (188), down (186) link. Double-clicking a group or a
// link edits it. Groups() is the edited copy; the caller stores it on OK.
//
// New group: refused with 51516 at MaxLinkGroups; else the group dialog
// (separators allowed) on an empty group, inserted after the selection.
// Delete group asks 51514 and selects the next group, or the previous one
// when it was the last; delete link asks 51515.
class COrganizeLinkGroupsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int GroupTreeControl = 10075;
    static constexpr int LinkListControl = 10076;
    enum Button {
        NewGroup = 189,
        EditGroup = 183,
        DeleteGroup = 190,
        GroupUp = 187,
        GroupDown = 185,
        NewLink = 181,
        EditLink = 184,
        DeleteLink = 182,
        LinkUp = 188,
        LinkDown = 186,
    };

    COrganizeLinkGroupsDialog(QWidget* parent, const QList<LinkGroup>& groups);

    const QList<LinkGroup>& Groups() const { return m_groups; }
    // The selected group and link (-1 for none).
    int CurrentGroup() const;
    int CurrentLink() const;
    void SelectGroup(int index);
    void SelectLink(int index);
    // Runs the action of a button (as clicking it does).
    void Press(Button button);

private:
    QToolButton* makeButton(Button id, unsigned tipId);
    void fillGroups(int select);
    void fillLinks(int select);
    void newGroup();
    void editGroup();
    void deleteGroup();
    void moveGroup(int step);
    void newLink();
    void editLink();
    void deleteLink();
    void moveLink(int step);

    QList<LinkGroup> m_groups;
    QTreeWidget* m_tree;
    QTreeWidget* m_links;
};
