#include "system/InternetShortcutFolder.h"

#include "system/InternetShortcut.h"

#include <QDir>

#include <algorithm>

std::vector<InternetShortcutEntry> listInternetShortcuts(const QString& folder, int maxEntries) {
    std::vector<InternetShortcutEntry> entries;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists() || maxEntries <= 0)
        return entries;
    QStringList names = dir.entryList({QStringLiteral("*.url")}, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (const QString& fileName : names) {
        const QString title = fileName.chopped(4);
        if (title.isEmpty())
            continue;
        const auto url = readInternetShortcut(dir.filePath(fileName));
        if (!url)
            continue;
        entries.push_back({title, *url});
        if (static_cast<int>(entries.size()) >= maxEntries)
            break;
    }
    return entries;
}
