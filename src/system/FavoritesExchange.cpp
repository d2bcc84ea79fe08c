#include "system/FavoritesExchange.h"

#include "system/FavoritesFolder.h"
#include "system/FavoritesTree.h"
#include "system/InternetShortcut.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// Name given to a folder or link that has none at all.
const QString kUntitled = QStringLiteral("未命名");

class FavoritesReader {
public:
    BookmarkNode read(const QString& path, int depth) {
        BookmarkNode folder;
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (depth > kMaxBookmarkDepth || canonical.isEmpty() || m_seen.contains(canonical))
            return folder;
        m_seen.insert(canonical);
        const FavoritesFolderListing listing = ReadFavoritesFolder(path, true);
        for (const FavoritesFolderEntry& entry : listing.folders) {
            if (++m_items > kMaxBookmarkItems)
                return folder;
            BookmarkNode child = read(entry.path, depth + 1);
            child.name = entry.name;
            child.added = addedTime(entry.path);
            child.toolbar = depth == 0 && entry.name == QLatin1String(kLinksFolderName);
            folder.children.append(std::move(child));
        }
        for (const FavoritesFolderEntry& entry : listing.links) {
            if (++m_items > kMaxBookmarkItems)
                return folder;
            const QString url = IsFavoriteShortcutTarget(entry.target)
                                    ? ResolveFavoriteShortcut(entry.target)
                                    : entry.target;
            if (!url.isEmpty())
                folder.children.append(
                    {BookmarkNode::Kind::Link, entry.name, url, addedTime(entry.path), false, {}});
        }
        return folder;
    }

private:
    static qint64 addedTime(const QString& path) {
        const QFileInfo info(path);
        const QDateTime born = info.birthTime();
        return (born.isValid() ? born : info.lastModified()).toSecsSinceEpoch();
    }

    QSet<QString> m_seen;
    int m_items = 0;
};

class FavoritesWriter {
public:
    FavoritesWriter(const QString& root, FavoritesImportResult& result)
        : m_tree(root), m_result(result) {}

    void write(const BookmarkNode& folder, const QString& path, int depth) {
        for (const BookmarkNode& node : folder.children) {
            if (node.kind == BookmarkNode::Kind::Link)
                writeLink(node, path);
            else if (depth < kMaxBookmarkDepth)
                writeFolder(node, path, depth);
        }
    }

private:
    void writeFolder(const BookmarkNode& node, const QString& parent, int depth) {
        QString name = depth == 0 && node.toolbar ? QString::fromLatin1(kLinksFolderName)
                                                  : FavoritesTree::FileNameFor(node.name);
        if (name.isEmpty())
            name = kUntitled;
        QString path = QDir(parent).filePath(name);
        const QFileInfo info(path);
        if (!info.isDir() || info.isSymLink()) {
            name = FavoritesTree::UniqueName(parent, name, QString());
            QString created;
            if (name.isEmpty() ||
                m_tree.NewFolder(parent, name, &created) != FavoritesTree::Status::Ok) {
                failed(CountBookmarkLinks(node),
                       QStringLiteral("the folder \"%1\" could not be made").arg(path));
                return;
            }
            path = created;
        }
        write(node, path, depth + 1);
    }

    void writeLink(const BookmarkNode& node, const QString& folder) {
        QString base = FavoritesTree::FileNameFor(node.name);
        if (base.isEmpty())
            base = FavoritesTree::NameFromUrl(node.url);
        if (base.isEmpty())
            base = kUntitled;
        const QDir dir(folder);
        for (int n = 1; n <= 999; ++n) {
            const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
            const QString path = dir.filePath(name + QLatin1String(".url"));
            const QFileInfo info(path);
            if (info.exists() || info.isSymLink()) {
                if (info.isFile() && readInternetShortcut(path) == node.url) {
                    ++m_result.present;
                    return;
                }
                continue;
            }
            const FavoritesTree::Status status = m_tree.AddLink(folder, name, node.url, false);
            if (status == FavoritesTree::Status::Ok)
                ++m_result.added;
            else
                failed(1, status == FavoritesTree::Status::BadAddress
                              ? QStringLiteral("the address of \"%1\" cannot be kept in a shortcut")
                                    .arg(name)
                              : m_tree.error());
            return;
        }
        failed(1, QStringLiteral("every name for \"%1\" is taken").arg(base));
    }

    void failed(int count, const QString& reason) {
        if (count <= 0)
            return;
        if (m_result.failed == 0)
            m_result.firstError = reason;
        m_result.failed += count;
    }

    FavoritesTree m_tree;
    FavoritesImportResult& m_result;
};

} // namespace

BookmarkNode ReadFavoritesAsBookmarks(const QString& favoritesFolder) {
    return FavoritesReader().read(favoritesFolder, 0);
}

FavoritesImportResult ImportBookmarksIntoFavorites(const BookmarkNode& tree,
                                                   const QString& favoritesFolder) {
    FavoritesImportResult result;
    if (!QFileInfo(favoritesFolder).isDir() && !QDir().mkpath(favoritesFolder)) {
        result.failed = CountBookmarkLinks(tree);
        result.firstError =
            QStringLiteral("the folder \"%1\" could not be made").arg(favoritesFolder);
        return result;
    }
    FavoritesWriter(favoritesFolder, result).write(tree, favoritesFolder, 0);
    return result;
}
