#pragma once

#include "linkgroups/LinkGroup.h"

#include <QList>
#include <QWidget>

class QPushButton;
class QRadioButton;

// The options panel (200) of the link-group export's file dialog: all
// groups (10104, which disables 10106 and sets every flag again) or the
// chosen ones (10105, which enables 10106 "选择(&S)..." to run the
// select-group dialog with prompt 51526). Inside group box 10107. The
// panel writes its state into the caller's Choice as it changes, so the
// choice outlives the dialog.
class CLinkGroupExportPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int AllControl = 10104;
    static constexpr int ChosenControl = 10105;
    static constexpr int SelectControl = 10106;
    static constexpr int BoxControl = 10107;

    struct Choice {
        bool allGroups = true;
        QList<bool> flags; // one per group
    };

    // groups and choice must outlive the panel.
    CLinkGroupExportPanel(const QList<LinkGroup>& groups, Choice& choice, QWidget* parent);

private:
    void select();

    const QList<LinkGroup>& m_groups;
    Choice& m_choice;
    QRadioButton* m_all;
    QRadioButton* m_chosen;
    QPushButton* m_select;
};
