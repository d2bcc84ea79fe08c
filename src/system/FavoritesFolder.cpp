#include "system/FavoritesFolder.h"

#include "system/InternetShortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

// Largest desktop entry read.
constexpr qint64 kMaxDesktopEntrySize = 64 * 1024;

void sortByName(QList<FavoritesFolderEntry>* entries) {
    std::stable_sort(entries->begin(), entries->end(),
                     [](const FavoritesFolderEntry& a, const FavoritesFolderEntry& b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
}

// The URL= value of the [Desktop Entry] group of a Type=Link entry.
QString desktopEntryUrl(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxDesktopEntrySize ||
        !file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.read(kMaxDesktopEntrySize));
    bool inEntry = false;
    bool isLink = false;
    QString url;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        if (line.startsWith(QLatin1String("Type=")))
            isLink = line.mid(5).trimmed() == QLatin1String("Link");
        else if (line.startsWith(QLatin1String("URL=")) && url.isEmpty())
            url = line.mid(4).trimmed();
    }
    return isLink ? url : QString();
}

} // namespace

QString FavoriteLinkExtension(const QString& fileName) {
    for (const char* ext : {".url", ".lnk", ".desktop"}) {
        const QLatin1String suffix(ext);
        if (fileName.size() > suffix.size() && fileName.endsWith(suffix, Qt::CaseInsensitive))
            return fileName.right(suffix.size());
    }
    return {};
}

FavoritesFolderListing ReadFavoritesFolder(const QString& folder, bool sorted) {
    FavoritesFolderListing listing;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return listing;
    const QFileInfoList infos =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    int looked = 0;
    for (const QFileInfo& info : infos) {
        if (++looked > kMaxFavoritesFolderEntries)
            break;
        const QString fileName = info.fileName();
        if (info.isDir()) {
            listing.folders.append({fileName, info.filePath(), QString()});
            continue;
        }
        const QString ext = FavoriteLinkExtension(fileName);
        if (ext.isEmpty())
            continue;
        FavoritesFolderEntry entry{fileName.chopped(ext.size()), info.filePath(), QString()};
        if (ext.compare(QLatin1String(".url"), Qt::CaseInsensitive) == 0)
            entry.target = readInternetShortcut(info.filePath()).value_or(QString());
        else
            entry.target = info.filePath();
        if (!entry.target.isEmpty())
            listing.links.append(entry);
    }
    if (sorted) {
        sortByName(&listing.folders);
        sortByName(&listing.links);
    }
    return listing;
}

bool IsFavoriteShortcutTarget(const QString& target) {
    const QString ext = FavoriteLinkExtension(target);
    return !ext.isEmpty() && ext.compare(QLatin1String(".url"), Qt::CaseInsensitive) != 0;
}

QString ResolveFavoriteShortcut(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QFileInfo target(info.symLinkTarget());
        if (!target.exists())
            return {};
        if (target.fileName().endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
            return readInternetShortcut(target.filePath()).value_or(QString());
        return QUrl::fromLocalFile(target.absoluteFilePath()).toString();
    }
    if (path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return desktopEntryUrl(path);
    return {};
}
