#pragma once

#include "linkgroups/LinkGroup.h"
#include "linkgroups/LinkGroupOperations.h"

#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QLineEdit;

// The group dialog (191) on one group: name 10077 (at most 128
// characters), "open at start-up" 10078 and "separator" 10112.
//
// Ticking 10112 shows "-" in the disabled name edit and clears and disables
// 10078. OK with 10112 ticked asks 51533 first when the group has links (No
// keeps the dialog open) and gives Name "-", Startup 0, Separator 1.
// Otherwise the trimmed name must not be empty, and when a group of others
// bears it (ignoring case): in NewForAllWindows mode the duplicate-name
// dialog (199) runs (Cancel keeps this dialog open) and its choice is
// returned; in Organize mode 51524 asks whether to keep the same name (No
// keeps the dialog open).
class CLinkGroupDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { NewForAllWindows = 1, Organize = 2 };

    static constexpr int NameControl = 10077;
    static constexpr int StartupControl = 10078;
    static constexpr int SeparatorControl = 10112;

    // others: the groups whose names count as taken (the edited group left
    // out); must outlive the dialog. Separators can be chosen only when
    // separatorAllowed.
    CLinkGroupDialog(QWidget* parent, const LinkGroup& group, Mode mode, bool separatorAllowed,
                     const QList<LinkGroup>& others);

    // The group as the dialog leaves it: the given group with the new Name,
    // Startup and Separator (a separator keeps no links).
    LinkGroup Result() const;
    LinkGroupNameChoice Choice() const { return m_choice; }

    QLineEdit* NameEdit() const { return m_name; }
    QCheckBox* StartupBox() const { return m_startup; }
    QCheckBox* SeparatorBox() const { return m_separator; }

public slots:
    void accept() override;

private:
    void applySeparator(bool on);
    bool confirmName(const QString& name);

    LinkGroup m_group;
    Mode m_mode;
    const QList<LinkGroup>& m_others;
    QLineEdit* m_name;
    QCheckBox* m_startup;
    QCheckBox* m_separator;
    QString m_nameBeforeSeparator;
    LinkGroupNameChoice m_choice = LinkGroupNameChoice::NewGroup;
};
