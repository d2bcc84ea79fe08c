#pragma once

#include <QString>

#include <functional>

class QDialog;
struct ScriptedAnswer;

// A dialog that knows how to take a scripted answer through its own logic
// (setting its controls and closing the way a button press would), so tests
// exercise the dialog's behaviour without showing it.
class ScriptableDialog {
public:
    virtual ~ScriptableDialog() = default;

    // Applies answer and closes the dialog; returns its result. Reports an
    // answer the dialog cannot take (a button it does not show) through
    // DialogRunner::scriptError.
    virtual int applyScriptedAnswer(const ScriptedAnswer& answer) = 0;
    // The text that identifies this dialog in the runner's history (its
    // message or prompt).
    virtual QString scriptDescription() const = 0;

    // The usual answer of a dialog with OK and Cancel: answer.act when given;
    // otherwise OK (IDOK or Accepted) runs ok, which closes the dialog or
    // leaves it open when its checks refuse, and Cancel (IDCANCEL, Escape or
    // Rejected) rejects it. Returns the dialog's result; another button is a
    // script error.
    static int applyOkCancel(QDialog& dialog, const ScriptedAnswer& answer,
                             const std::function<void()>& ok);
};
