#include "system/PageEditors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {

constexpr qint64 kMaxEntrySize = 64 * 1024;

// The keys of the [Desktop Entry] group that matter here.
struct DesktopEntry {
    QString name;
    QString exec;
    QString icon;
    QStringList mimeTypes;
    QStringList categories;
    bool hidden = false;
};

DesktopEntry readEntry(const QString& path) {
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    const QList<QByteArray> lines = file.read(kMaxEntrySize).split('\n');
    bool inMain = false;
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) {
            inMain = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMain || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Name"))
            entry.name = value;
        else if (key == QStringLiteral("Exec"))
            entry.exec = value;
        else if (key == QStringLiteral("Icon"))
            entry.icon = value;
        else if (key == QStringLiteral("MimeType"))
            entry.mimeTypes = value.split(u';', Qt::SkipEmptyParts);
        else if (key == QStringLiteral("Categories"))
            entry.categories = value.split(u';', Qt::SkipEmptyParts);
        else if ((key == QStringLiteral("Hidden") || key == QStringLiteral("NoDisplay")) &&
                 value == QStringLiteral("true"))
            entry.hidden = true;
    }
    return entry;
}

bool isPageEditor(const DesktopEntry& entry) {
    if (entry.hidden || entry.name.isEmpty() || entry.exec.isEmpty() ||
        !entry.mimeTypes.contains(QStringLiteral("text/html")) ||
        entry.categories.contains(QStringLiteral("WebBrowser")))
        return false;
    return std::ranges::any_of(entry.categories, [](const QString& category) {
        return category == QStringLiteral("TextEditor") ||
               category == QStringLiteral("WebDevelopment") ||
               category == QStringLiteral("Development");
    });
}

} // namespace

QList<PageEditor> findPageEditors(const QStringList& applicationFolders) {
    QList<PageEditor> editors;
    QSet<QString> seen;
    for (const QString& folder : applicationFolders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            if (seen.contains(file.fileName()))
                continue;
            seen.insert(file.fileName());
            const DesktopEntry entry = readEntry(file.filePath());
            if (isPageEditor(entry))
                editors.append(PageEditor{entry.name, entry.exec, entry.icon});
        }
    }
    std::ranges::stable_sort(editors, [](const PageEditor& a, const PageEditor& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    if (editors.size() > kMaxPageEditors)
        editors.resize(kMaxPageEditors);
    return editors;
}

QStringList desktopApplicationFolders() {
    QStringList folders;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/applications");
    return folders;
}

QString localPathOfAddress(const QString& address) {
    if (!address.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        return QString();
    return QUrl(address).toLocalFile();
}

QStringList editorCommandLine(const QString& command, const QString& path) {
    QStringList parts = QProcess::splitCommand(command);
    bool placed = false;
    QStringList result;
    for (QString part : parts) {
        QString out;
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != u'%' || i + 1 >= part.size()) {
                out += part[i];
                continue;
            }
            const QChar code = part[++i];
            if (code == u'%') {
                out += u'%';
            } else if (QStringLiteral("fFuU1").contains(code)) {
                out += path;
                placed = true;
            }
        }
        out.remove(QStringLiteral("about:blank"));
        if (!out.isEmpty())
            result << out;
    }
    if (result.isEmpty())
        return result;
    if (!placed)
        result << path;
    return result;
}
