#include "framework/ScriptableDialog.h"

#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "framework/ScriptedAnswer.h"

#include <QDialog>

int ScriptableDialog::applyOkCancel(QDialog& dialog, const ScriptedAnswer& answer,
                                    const std::function<void()>& ok) {
    if (answer.act)
        return answer.act(dialog);
    dialog.setResult(QDialog::Rejected);
    if (answer.result == IDOK || answer.result == QDialog::Accepted) {
        ok();
        return dialog.result();
    }
    if (answer.result == IDCANCEL || answer.result == ScriptedAnswer::Escape ||
        answer.result == QDialog::Rejected) {
        dialog.reject();
        return dialog.result();
    }
    return DialogRunner::instance().scriptError(
        QStringLiteral("the dialog has no button %1").arg(answer.result));
}
