#include "browser/MozillaDetectCommand.h"

#include "app/CCheckMessageBox.h"
#include "browser/CMozillaFolderDialog.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/MozillaDetection.h"

#include "system/ProgramFolders.h"

QString ProgramPluginFolder() {
    return ProgramFolders().enginePluginFolder();
}

bool RunMozillaDetection(QWidget* owner, const QString& pluginFolder) {
    MozillaDetection result;
    {
        const WaitCursor wait;
        MozillaDetector detector(pluginFolder, [owner]() -> std::optional<QString> {
            CMozillaFolderDialog dialog(owner);
            if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
                return std::nullopt;
            return dialog.CurrentFolder();
        });
        result = detector.Detect();
    }
    if (result.cancelled)
        return false;
    if (result.found) {
        CCheckMessageBox box(owner,
                             res::formatString(sid::MozillaDetected,
                                               {{QStringLiteral("%Version%"), result.displayName}}),
                             MB_OK | MB_ICONINFORMATION);
        box.DoModal();
    } else {
        CCheckMessageBox box(owner, sid::MozillaNotDetected, MB_OK | MB_ICONEXCLAMATION);
        box.DoModal();
    }
    return result.found;
}
