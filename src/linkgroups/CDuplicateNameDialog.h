#pragma once

#include "linkgroups/LinkGroupOperations.h"

#include <QDialog>
#include <QString>

class QRadioButton;

// The duplicate-name dialog (199): the group name is taken (text 10097);
// the user chooses a new group with the same name (10098), replacing the
// existing group's links (10099) or adding to them (10100).
class CDuplicateNameDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TextControl = 10097;
    static constexpr int NewGroupControl = 10098;
    static constexpr int ReplaceControl = 10099;
    static constexpr int AddControl = 10100;

    CDuplicateNameDialog(QWidget* parent, const QString& name);

    LinkGroupNameChoice Choice() const;
    // Ticks the button of choice.
    void SetChoice(LinkGroupNameChoice choice);

private:
    QRadioButton* m_newGroup;
    QRadioButton* m_replace;
    QRadioButton* m_add;
};
