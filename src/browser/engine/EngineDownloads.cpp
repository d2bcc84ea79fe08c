#include "browser/engine/EngineDownloads.h"

#include "framework/DialogRunner.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace enginedownloads {

QString safeFileName(const QString& suggested) {
    QString name = suggested;
    // A name from a server may carry folders ("../../.profile") or
    // characters no file name holds.
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1).trimmed();
    name.remove(QChar(0));
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("download") : name.left(200);
}

QString fileNameFromTitle(const QString& title) {
    QString name = title.trimmed().left(100);
    for (QChar& c : name) {
        if (c < QChar(32) || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("untitled") : name;
}

std::optional<QString> choosePath(QWidget* parent, const QString& suggested) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.parent = parent;
    request.caption = res::loadString(sid::DownloadSaveCaption);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    request.directory = QDir(folder).filePath(safeFileName(suggested));
    std::optional<QString> path = DialogRunner::instance().chooseFile(request);
    if (path && path->isEmpty())
        path.reset();
    return path;
}

void reportFailure(QWidget* parent, const QString& path, const QString& reason) {
    const QString text = res::formatString(
        sid::DownloadFailed, {{QStringLiteral("%file%"), QDir::toNativeSeparators(path)},
                              {QStringLiteral("%reason%"), reason}});
    QMessageBox box(QMessageBox::Warning, res::loadString(sid::Error), text, QMessageBox::Ok,
                    parent);
    DialogRunner::instance().exec(box);
}

} // namespace enginedownloads
