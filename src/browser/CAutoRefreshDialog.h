#pragma once

#include "framework/ScriptableDialog.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// The auto-refresh dialog (dialog 195, "设置自动刷新"): the interval in
// seconds (edit 10089, prompt 10091 naming the limits) and whether auto
// refresh runs (check box 10090).
//
// OK reads the interval as a decimal number (0 when empty or not a number)
// and refuses one outside kMinSeconds..kMaxSeconds with message 51486, the
// focus back in the edit and the dialog left open.
// Runs through the DialogRunner: a scripted answer's text is typed into the
// edit and its check-box state set before OK or Cancel is pressed.
class CAutoRefreshDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    static constexpr int IntervalControl = 10089;
    static constexpr int StartControl = 10090;
    static constexpr int PromptControl = 10091;
    static constexpr unsigned kMinSeconds = 3;
    static constexpr unsigned kMaxSeconds = 86400;

    CAutoRefreshDialog(QWidget* parent, unsigned seconds, bool on);

    // The values OK accepted (the given ones until then).
    unsigned Seconds() const { return m_seconds; }
    bool On() const { return m_on; }

    QLineEdit* IntervalEdit() const { return m_edit; }
    QCheckBox* StartBox() const { return m_start; }
    QLabel* Prompt() const { return m_prompt; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    void accept() override;

private:
    QLabel* m_prompt;
    QLineEdit* m_edit;
    QCheckBox* m_start;
    unsigned m_seconds;
    bool m_on;
};
