#include "addressbar/ListFileCommands.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "browser/AutoCloseIni.h"
#include "browser/AutoCloseList.h"
#include "browser/CAutoCloseEntryDialog.h"
#include "framework/DialogRunner.h"
#include "framework/WaitCursor.h"
#include "quickcommands/QuickCommandIni.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/TempFileName.h"

#include <QDir>
#include <QFile>

namespace {

const char* const kQuickCommandsExportFilter = "QuickCommands File(*.ini)";
const char* const kQuickCommandsImportFilter = "QuickCommands Files(*.ini)";
const char* const kAutoCloseFilter = "AutoClose List Files(*.ini)";
const char* const kAllFilesFilter = "All Files(*.*)";

void showMessage(QWidget* parent, const QString& text, unsigned style) {
    CCheckMessageBox box(parent, text, style);
    box.DoModal();
}

void showCannotOpen(QWidget* parent, const QString& path) {
    showMessage(parent, res::formatString(sid::CannotOpenFile, {{"%filename%", path}}),
                MB_OK | MB_ICONSTOP);
}

void showCount(QWidget* parent, unsigned messageId, int count) {
    showMessage(parent, res::formatString(messageId, {{"%count%", QString::number(count)}}),
                MB_OK | MB_ICONINFORMATION);
}

std::optional<QString> askFile(QWidget* parent, FileDialogRequest::Mode mode, unsigned titleId,
                               QStringList filters, const char* suggestedName) {
    FileDialogRequest request;
    request.mode = mode;
    request.parent = parent;
    request.caption = res::loadString(titleId);
    request.nameFilters = std::move(filters);
    request.defaultSuffix = QStringLiteral("ini");
    request.overwritePrompt = true;
    if (suggestedName)
        request.directory = QDir::home().filePath(QString::fromUtf8(suggestedName));
    std::optional<QString> path = DialogRunner::instance().chooseFile(request);
    if (path && path->isEmpty())
        return std::nullopt;
    return path;
}

// Asks for a file, reads it with read (which appends to its list) under the
// wait cursor, runs afterRead when the file was read, and shows countId with
// the number of entries; a file that cannot be read shows 51531. Returns the
// number imported, or -1 when cancelled or unreadable.
int importInteractive(QWidget* parent, unsigned titleId, QStringList filters, unsigned countId,
                      const std::function<void()>& afterRead,
                      const std::function<platform::IniImportResult(const QString&)>& read) {
    const std::optional<QString> path =
        askFile(parent, FileDialogRequest::Mode::Open, titleId, std::move(filters), nullptr);
    if (!path)
        return -1;
    platform::IniImportResult result;
    {
        const WaitCursor wait;
        result = read(*path);
        if (result.status == platform::IniReadStatus::Ok && afterRead)
            afterRead();
    }
    if (result.status != platform::IniReadStatus::Ok) {
        showCannotOpen(parent, *path);
        return -1;
    }
    showCount(parent, countId, result.count);
    return result.count;
}

QStringList autoCloseFilters() {
    return {QString::fromUtf8(kAutoCloseFilter), QString::fromUtf8(kAllFilesFilter)};
}

} // namespace

// ---- Quick commands --------------------------------------------------------------

bool ExportQuickCommandsInteractive(QWidget* parent, const QList<QuickCommand>& commands) {
    if (commands.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoQuickCommands), MB_OK | MB_ICONWARNING);
        return false;
    }
    const std::optional<QString> path =
        askFile(parent, FileDialogRequest::Mode::Save, sid::ExportQuickCommandsTitle,
                {QString::fromUtf8(kQuickCommandsExportFilter)}, kQuickCommandsFileName);
    return path && ExportQuickCommandsToFile(parent, commands, *path);
}

bool ExportQuickCommandsToFile(QWidget* parent, const QList<QuickCommand>& commands,
                               const QString& path) {
    if (WriteQuickCommandIni(path, commands) == platform::IniWriteStatus::CannotOpen) {
        showCannotOpen(parent, path);
        return false;
    }
    return true;
}

int ImportQuickCommandsInteractive(QWidget* parent, CAppSettings& settings) {
    return ImportQuickCommandsInto(parent, &settings.QuickCommands, [&settings] { settings.Save(); });
}

int ImportQuickCommandsInto(QWidget* parent, QList<QuickCommand>* commands,
                            const std::function<void()>& afterRead) {
    return importInteractive(parent, sid::ImportQuickCommandsTitle,
                             {QString::fromUtf8(kQuickCommandsImportFilter)},
                             sid::QuickCommandsImported, afterRead, [commands](const QString& path) {
                                 return ReadQuickCommandIni(path, commands);
                             });
}

// ---- Auto-close list -----------------------------------------------------------------

bool ExportAutoCloseToFile(QWidget* parent, const QStringList& list, const QString& path) {
    if (WriteAutoCloseIni(path, list) == platform::IniWriteStatus::CannotOpen) {
        showCannotOpen(parent, path);
        return false;
    }
    return true;
}

bool ExportAutoCloseInteractive(QWidget* parent, const QStringList& list) {
    if (list.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoAutoCloseAddresses), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::optional<QString> path =
        askFile(parent, FileDialogRequest::Mode::Save, sid::ExportAutoCloseTitle,
                autoCloseFilters(), kAutoCloseFileName);
    return path && ExportAutoCloseToFile(parent, list, *path);
}

int ImportAutoCloseInteractive(QWidget* parent, CAppSettings& settings) {
    return ImportAutoCloseInto(parent, &settings.AutoClose, [&settings] { settings.Save(); });
}

int ImportAutoCloseInto(QWidget* parent, QStringList* list,
                        const std::function<void()>& afterRead) {
    return importInteractive(parent, sid::ImportAutoCloseTitle, autoCloseFilters(),
                             sid::AutoCloseImported, afterRead,
                             [list](const QString& path) { return ReadAutoCloseIni(path, list); });
}

bool AddPageToAutoClose(QWidget* parent, CAppSettings& settings, const QString& address,
                        QAbstractItemModel* completions) {
    const bool confirm = settings.ConfirmAddToAutoClose != 0;
    QString entry = address;
    if (confirm) {
        CAutoCloseEntryDialog dialog(parent, address, true, {}, -1, completions);
        const int result = DialogRunner::instance().exec(dialog);
        settings.ConfirmAddToAutoClose = dialog.ShowAgain() ? 1 : 0;
        if (result == QDialog::Accepted)
            entry = dialog.Entry();
        else
            entry.clear();
    }
    const bool added = !entry.isEmpty() && AddAutoCloseAddress(&settings.AutoClose, entry);
    // The dialog's choice is kept even when nothing was added.
    if (added || confirm)
        settings.Save();
    if (!added)
        return false;
    if (!confirm) {
        showMessage(parent, res::formatString(sid::AutoCloseAdded, {{"%address%", address}}),
                    MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

// ---- Mail ------------------------------------------------------------------------------

namespace {

bool mailFile(const QString& path, const char* subject, const char* name,
              const ListMailer& mailer) {
    if (mailer(QString::fromUtf8(subject), path, QString::fromUtf8(name)))
        return true;
    QFile::remove(path);
    return false;
}

} // namespace

bool MailQuickCommands(QWidget* parent, const QList<QuickCommand>& commands,
                       const ListMailer& mailer) {
    if (commands.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoQuickCommands), MB_OK | MB_ICONWARNING);
        return false;
    }
    const QString path = makeTempFileName(QStringLiteral(".ini"));
    if (path.isEmpty() || !mailer || !ExportQuickCommandsToFile(parent, commands, path))
        return false;
    return mailFile(path, "Quorrelin QuickCommands", kQuickCommandsFileName, mailer);
}

bool MailAutoCloseList(QWidget* parent, const QStringList& list, const ListMailer& mailer) {
    if (list.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoAutoCloseAddresses), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const QString path = makeTempFileName(QStringLiteral(".ini"));
    if (path.isEmpty() || !mailer || !ExportAutoCloseToFile(parent, list, path))
        return false;
    return mailFile(path, "Quorrelin AutoClose List", kAutoCloseFileName, mailer);
}
