#pragma once

#include "framework/ScriptableDialog.h"

#include <QDialog>
#include <QString>

#include <functional>

class QAbstractItemModel;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The entry dialog of the auto-close list ("自动关闭"): one address and how it
// applies. Control ids are the object names of the controls: 10036 the
// address, 10037 "close all windows launched from this address" (the entry
// ends with the wildcard '*'), 10038 "allow this address" (the entry is
// enabled, without a leading '!'), 10039 "do not show this dialog next time"
// (only when asked for), 1 OK, 2 Cancel.
//
// The rules:
// - an empty address disables 10037, 10038 and OK;
// - 10037 is checked exactly when the address ends with '*'; ticking it adds
//   one '*', clearing it removes all trailing '*';
// - OK asks the duplicate check (when given) about the address; an address
//   the list already holds is refused with message 51469 and the dialog
//   stays open with the focus in the address.
// Runs through the DialogRunner; a scripted answer fills the address (text),
// ticks 10039 (checked) and presses OK or Cancel.
class CAutoCloseEntryDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    static constexpr int AddressControl = 10036;
    static constexpr int WildcardControl = 10037;
    static constexpr int EnabledControl = 10038;
    static constexpr int DontShowControl = 10039;

    // Answers whether address (without a leading '!') is in the list already,
    // leaving out the entry at exceptIndex (-1: none).
    using DuplicateCheck = std::function<bool(const QString& address, int exceptIndex)>;

    // address: the entry to start from, '!' and '*' included (empty: none).
    // showDontShow: whether 10039 is shown. duplicateCheck: empty for none.
    // editedIndex: the list index of the entry being edited, or -1.
    // completions: addresses offered while typing (AutoComplete); null: none.
    CAutoCloseEntryDialog(QWidget* parent, const QString& address, bool showDontShow,
                          DuplicateCheck duplicateCheck = {}, int editedIndex = -1,
                          QAbstractItemModel* completions = nullptr);

    // The entry as it stands: the address, with '!' in front when 10038 is
    // not checked.
    QString Entry() const;
    // Whether the dialog is to be shown next time (10039 not checked).
    bool ShowAgain() const;

    QLineEdit* AddressEdit() const { return m_edit; }
    QCheckBox* WildcardBox() const { return m_wildcard; }
    QCheckBox* EnabledBox() const { return m_enabled; }
    QCheckBox* DontShowBox() const { return m_dontShow; }
    QPushButton* OkButton() const { return m_ok; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTextChanged(const QString& text);
    void onWildcardClicked(bool checked);

    QLineEdit* m_edit;
    QCheckBox* m_wildcard;
    QCheckBox* m_enabled;
    QCheckBox* m_dontShow;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    DuplicateCheck m_duplicateCheck;
    int m_editedIndex;
};
