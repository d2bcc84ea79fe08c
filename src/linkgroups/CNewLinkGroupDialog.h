#pragma once

#include "linkgroups/LinkGroup.h"
#include "linkgroups/LinkGroupOperations.h"

#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QLineEdit;

// The new-link-group dialog (194): a new group holding the current page.
// Group name 10085, "open at start-up" 10078, link name 10087 and URL
// 10088, the last two preset from the page. OK needs the group name, the
// link name and the URL (trimmed) to be non-empty, checked in that order
// (the focus goes to the first empty one). When a group of that name exists
// (ignoring case) the duplicate-name dialog (199) runs; its Cancel keeps
// this dialog open, its choice is returned.
class CNewLinkGroupDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int GroupNameControl = 10085;
    static constexpr int StartupControl = 10078;
    static constexpr int LinkNameControl = 10087;
    static constexpr int UrlControl = 10088;

    // groups: the list the name is looked up in; must outlive the dialog.
    CNewLinkGroupDialog(QWidget* parent, const QList<LinkGroup>& groups, const QString& title,
                        const QString& url);

    QString GroupName() const;
    bool Startup() const;
    LinkGroupLink Link() const;
    LinkGroupNameChoice Choice() const { return m_choice; }

    QLineEdit* GroupNameEdit() const { return m_groupName; }
    QCheckBox* StartupBox() const { return m_startup; }
    QLineEdit* LinkNameEdit() const { return m_linkName; }
    QLineEdit* UrlEdit() const { return m_url; }

public slots:
    void accept() override;

private:
    const QList<LinkGroup>& m_groups;
    QLineEdit* m_groupName;
    QCheckBox* m_startup;
    QLineEdit* m_linkName;
    QLineEdit* m_url;
    LinkGroupNameChoice m_choice = LinkGroupNameChoice::NewGroup;
};
