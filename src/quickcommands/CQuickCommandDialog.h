#pragma once

#include "framework/ScriptableDialog.h"
#include "quickcommands/QuickCommand.h"

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The quick-command dialog (dialog 203): title (10119), command word (10121),
// type (10122: "Open", "Search"), URL (10123), a choice of predefined
// commands (10130) that fills all four, and a help text (10126) shown or
// hidden by button 10125 ("<<" / ">>"), which flips ShowQuickCommandHelp.
//
// OK trims the four texts and refuses, keeping the dialog open with the focus
// on the field at fault: an empty title, command or URL; a command holding a
// blank (51543); a command the duplicate check reports in use (51542).
// Runs through the DialogRunner; a scripted answer presses OK or Cancel, or
// acts on the dialog.
class CQuickCommandDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    static constexpr int TitleControl = 10119;
    static constexpr int CommandControl = 10121;
    static constexpr int TypeControl = 10122;
    static constexpr int UrlControl = 10123;
    static constexpr int HelpButton = 10125;
    static constexpr int HelpControl = 10126;
    static constexpr int PredefinedControl = 10130;

    // Whether command is used by another record; except is the edited
    // record's command before editing (empty for a new record).
    using DuplicateCheck = std::function<bool(const QString& command, const QString& except)>;

    // showHelp: the ShowQuickCommandHelp setting, flipped by the help button;
    // it must outlive the dialog.
    CQuickCommandDialog(QWidget* parent, const QuickCommand& record, DuplicateCheck duplicate,
                        QString except, int& showHelp);

    // Runs the dialog on record; on OK the record holds the new values and
    // the result is true. Cancel leaves it unchanged.
    static bool Edit(QWidget* parent, QuickCommand& record, const DuplicateCheck& duplicate,
                     const QString& except, int& showHelp);

    // The record as OK stored it.
    const QuickCommand& Record() const { return m_record; }

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* CommandEdit() const { return m_command; }
    QComboBox* TypeBox() const { return m_type; }
    QLineEdit* UrlEdit() const { return m_url; }
    QComboBox* PredefinedBox() const { return m_predefined; }
    QPushButton* HelpToggle() const { return m_helpButton; }
    QPlainTextEdit* HelpText() const { return m_help; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    void accept() override;

private:
    void choosePredefined(int index);
    void toggleHelp();
    void showHelpText(bool show);
    bool refuse(QLineEdit* field, unsigned messageId = 0, const QString& command = QString());

    QuickCommand m_record;
    DuplicateCheck m_duplicate;
    QString m_except;
    int& m_showHelp;
    QLineEdit* m_title;
    QLineEdit* m_command;
    QComboBox* m_type;
    QLineEdit* m_url;
    QComboBox* m_predefined;
    QPushButton* m_helpButton;
    QPlainTextEdit* m_help;
    QPushButton* m_ok;
};
