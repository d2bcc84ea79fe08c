#include "explorerbar/FolderListing.h"

#include <QDir>
#include <QFileInfo>

QStringList FolderFilterPatterns(const QString& filter) {
    QStringList patterns;
    for (const QString& part : filter.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    return patterns;
}

FolderListing ListFolder(const QString& folder, const QStringList& patterns, int maxEntries) {
    FolderListing listing;
    const QDir dir(folder);
    const QDir::SortFlags sort = QDir::Name | QDir::IgnoreCase;
    const QFileInfoList folders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, sort);
    const QFileInfoList files = dir.entryInfoList(patterns, QDir::Files, sort);
    for (const QFileInfo& info : folders) {
        if (listing.folders.size() >= maxEntries) {
            listing.truncated = true;
            return listing;
        }
        listing.folders << info.absoluteFilePath();
    }
    for (const QFileInfo& info : files) {
        if (listing.folders.size() + listing.files.size() >= maxEntries) {
            listing.truncated = true;
            break;
        }
        listing.files << info.absoluteFilePath();
    }
    return listing;
}
