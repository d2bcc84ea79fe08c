#include "linkgroups/LinkGroupExchange.h"

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "linkgroups/CLinkGroupExportPanel.h"
#include "linkgroups/CLinkGroupImportPanel.h"
#include "linkgroups/CSelectLinkGroupsDialog.h"
#include "linkgroups/LinkGroupIni.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/TempFileName.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>

namespace {

const char* const kFilter = "LinkGroups Files(*.ini)";

bool g_exportAllGroups = true;
CLinkGroupImportPanel::Options g_importOptions;

void showMessage(QWidget* parent, const QString& text, unsigned style) {
    CCheckMessageBox box(parent, text, style);
    box.DoModal();
}

void showCannotOpen(QWidget* parent, const QString& path) {
    showMessage(parent, res::formatString(sid::CannotOpenFile, {{"%filename%", path}}),
                MB_OK | MB_ICONSTOP);
}

// Puts panel below the file dialog's own controls (which must then be the
// dialog's widgets, not the desktop's).
void attachPanel(QFileDialog& dialog, QWidget* panel) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    panel->setParent(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
}

FileDialogRequest request(QWidget* parent, FileDialogRequest::Mode mode, unsigned titleId) {
    FileDialogRequest request;
    request.mode = mode;
    request.parent = parent;
    request.caption = res::loadString(titleId);
    request.nameFilters = {QString::fromUtf8(kFilter)};
    request.defaultSuffix = QStringLiteral("ini");
    request.overwritePrompt = true;
    if (mode == FileDialogRequest::Mode::Save)
        request.directory = QDir::home().filePath(QString::fromUtf8(kLinkGroupsFileName));
    return request;
}

// The export's file and its selection; nothing when cancelled.
std::optional<QString> askExportFile(QWidget* parent, const QList<LinkGroup>& groups,
                                     QList<bool>* flags) {
    CLinkGroupExportPanel::Choice choice{g_exportAllGroups, QList<bool>(groups.size(), true)};
    for (;;) {
        FileDialogRequest ask = request(parent, FileDialogRequest::Mode::Save,
                                        sid::ExportLinkGroupsTitle);
        ask.customize = [&](QFileDialog& dialog) {
            attachPanel(dialog, new CLinkGroupExportPanel(groups, choice, nullptr));
        };
        const std::optional<QString> path = DialogRunner::instance().chooseFile(ask);
        if (!path || path->isEmpty())
            return std::nullopt;
        if (choice.flags.contains(true)) {
            g_exportAllGroups = choice.allGroups;
            *flags = choice.flags;
            return path;
        }
        showMessage(parent, res::loadString(sid::NoLinkGroupSelected), MB_OK | MB_ICONWARNING);
    }
}

} // namespace

void ResetLinkGroupExchangeOptions() {
    g_exportAllGroups = true;
    g_importOptions = {};
}

bool ExportLinkGroupsInteractive(QWidget* parent, const QList<LinkGroup>& groups) {
    if (groups.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoLinkGroups), MB_OK | MB_ICONWARNING);
        return false;
    }
    QList<bool> flags;
    const std::optional<QString> path = askExportFile(parent, groups, &flags);
    if (!path)
        return false;
    if (WriteLinkGroupIni(*path, groups, flags) != platform::IniWriteStatus::Ok) {
        showCannotOpen(parent, *path);
        return false;
    }
    return true;
}

int ImportLinkGroupsInteractive(QWidget* parent, CAppSettings& settings) {
    CLinkGroupImportPanel::Options options = g_importOptions;
    FileDialogRequest ask = request(parent, FileDialogRequest::Mode::Open,
                                    sid::ImportLinkGroupsTitle);
    ask.customize = [&options](QFileDialog& dialog) {
        attachPanel(dialog, new CLinkGroupImportPanel(options, nullptr));
    };
    const std::optional<QString> path = DialogRunner::instance().chooseFile(ask);
    if (!path || path->isEmpty())
        return -1;
    g_importOptions = options;
    QList<LinkGroup> parsed;
    platform::IniReadStatus status;
    {
        const WaitCursor wait;
        status = ReadLinkGroupIni(*path, &parsed);
    }
    if (status != platform::IniReadStatus::Ok) {
        showCannotOpen(parent, *path);
        return -1;
    }
    if (parsed.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoLinkGroups), MB_OK | MB_ICONWARNING);
        return -1;
    }
    QList<bool> flags(parsed.size(), true);
    if (options.selectGroups &&
        !SelectLinkGroups(parent, parsed, res::loadString(sid::ChooseImportLinkGroups), &flags))
        return -1;
    const LinkGroupImportResult result =
        ImportLinkGroups(&settings.LinkGroups, parsed, flags, options.addSeparator,
                         static_cast<LinkGroupImportNameMode>(options.nameMode));
    if (result.listFull)
        showMessage(parent, res::loadString(sid::TooManyLinkGroups), MB_OK | MB_ICONWARNING);
    settings.Save();
    showMessage(parent,
                res::formatString(sid::LinkGroupsImported, {{"%count%", QString::number(result.count)}}),
                MB_OK | MB_ICONINFORMATION);
    return result.count;
}

bool MailLinkGroups(QWidget* parent, const QList<LinkGroup>& groups,
                    const LinkGroupMailer& mailer) {
    if (groups.isEmpty()) {
        showMessage(parent, res::loadString(sid::NoLinkGroups), MB_OK | MB_ICONWARNING);
        return false;
    }
    const QString path = makeTempFileName(QStringLiteral(".ini"));
    if (path.isEmpty() || !mailer)
        return false;
    if (WriteLinkGroupIni(path, groups) != platform::IniWriteStatus::Ok) {
        showCannotOpen(parent, path);
        return false;
    }
    if (mailer(QStringLiteral("Quorrelin LinkGroups"), path, QString::fromUtf8(kLinkGroupsFileName)))
        return true;
    QFile::remove(path);
    return false;
}
