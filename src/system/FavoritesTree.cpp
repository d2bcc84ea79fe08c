#include "system/FavoritesTree.h"

#include "system/FavoritesFolder.h"
#include "system/InternetShortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sys/stat.h>

namespace {

const QString kUrlSuffix = QStringLiteral(".url");

// text cut to at most maxBytes of UTF-8, never inside a character.
QString cutToBytes(const QString& text, int maxBytes) {
    QString cut;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        bytes += int(one.toUtf8().size());
        if (bytes > maxBytes)
            break;
        cut += one;
        if (pair)
            ++i;
    }
    return cut;
}

// Whether an entry (file, folder or dangling link) exists at path.
bool taken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Whether two paths name one entry (one file reached by two spellings).
bool sameEntry(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::lstat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::lstat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

FavoritesTree::FavoritesTree(QString root) : m_root(QDir::cleanPath(std::move(root))) {}

QString FavoritesTree::FileNameFor(const QString& title) {
    QString name;
    name.reserve(title.size());
    for (const QChar c : title) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            name += u' ';
        else if (c == u'/')
            name += QChar(0xFF0F); // fullwidth solidus
        else
            name += c;
    }
    name = name.trimmed();
    if (name.startsWith(u'.'))
        name[0] = QChar(0xFF0E); // fullwidth full stop
    return cutToBytes(name, kMaxNameBytes).trimmed();
}

QString FavoritesTree::NameFromUrl(const QString& url) {
    QString text = url.trimmed();
    const QUrl parsed(text);
    if (parsed.isValid() && !parsed.scheme().isEmpty()) {
        text = text.mid(parsed.scheme().size() + 1);
        if (text.startsWith(QLatin1String("//")))
            text = text.mid(2);
    }
    while (text.endsWith(u'/'))
        text.chop(1);
    return FileNameFor(text);
}

QString FavoritesTree::DisplayName(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    return fileName.chopped(FavoriteLinkExtension(fileName).size());
}

bool FavoritesTree::IsLink(const QString& path) {
    return !FavoriteLinkExtension(QFileInfo(path).fileName()).isEmpty() && !QFileInfo(path).isDir();
}

QString FavoritesTree::UniqueName(const QString& folder, const QString& name,
                                  const QString& suffix) {
    const QDir dir(folder);
    if (!taken(dir.filePath(name + suffix)))
        return name;
    for (int n = 2; n <= 999; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (!taken(dir.filePath(candidate + suffix)))
            return candidate;
    }
    return {};
}

bool FavoritesTree::inside(const QString& path, bool rootAllowed) const {
    if (m_root.isEmpty() || path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (clean == m_root)
        return rootAllowed;
    return clean.startsWith(m_root + u'/');
}

FavoritesTree::Status FavoritesTree::fail(const QString& reason) {
    m_error = reason;
    return Status::Failed;
}

FavoritesTree::Status FavoritesTree::NewFolder(const QString& parent, const QString& name,
                                               QString* created) {
    if (!inside(parent, true))
        return Status::OutsideRoot;
    const QString fileName = FileNameFor(name);
    if (fileName.isEmpty())
        return Status::EmptyName;
    if (!QFileInfo(parent).isDir())
        return Status::NotFound;
    const QString path = QDir(parent).filePath(fileName);
    if (taken(path))
        return Status::NameExists;
    if (!QDir().mkdir(path))
        return fail(QStringLiteral("the folder \"%1\" could not be made").arg(path));
    if (created)
        *created = path;
    return Status::Ok;
}

FavoritesTree::Status FavoritesTree::AddLink(const QString& folder, const QString& name,
                                             const QString& url, bool replace, QString* created) {
    if (!inside(folder, true))
        return Status::OutsideRoot;
    const QString fileName = FileNameFor(name);
    if (fileName.isEmpty())
        return Status::EmptyName;
    if (internetShortcutText(url).isEmpty())
        return Status::BadAddress;
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return Status::NotFound;
    const QString path = QDir(folder).filePath(fileName + kUrlSuffix);
    const QFileInfo existing(path);
    if (taken(path) && (!replace || existing.isDir() || existing.isSymLink()))
        return Status::NameExists;
    QString reason;
    if (!writeInternetShortcut(path, url, &reason))
        return fail(reason);
    if (created)
        *created = path;
    return Status::Ok;
}

FavoritesTree::Status FavoritesTree::Rename(const QString& path, const QString& name,
                                            QString* renamed) {
    if (!inside(path, false))
        return Status::OutsideRoot;
    if (!taken(path))
        return Status::NotFound;
    const QString fileName = FileNameFor(name);
    if (fileName.isEmpty())
        return Status::EmptyName;
    const QFileInfo info(path);
    const QString suffix = IsLink(path) ? FavoriteLinkExtension(info.fileName()) : QString();
    const QString target = info.dir().filePath(fileName + suffix);
    if (target == info.filePath()) {
        if (renamed)
            *renamed = target;
        return Status::Ok;
    }
    // A change of letter case only names the same entry on a case-blind disk.
    if (taken(target) && !sameEntry(path, target))
        return Status::NameExists;
    if (!QFile::rename(path, target))
        return fail(QStringLiteral("\"%1\" could not be renamed").arg(path));
    if (renamed)
        *renamed = target;
    return Status::Ok;
}

FavoritesTree::Status FavoritesTree::Move(const QString& path, const QString& folder,
                                          QString* moved) {
    if (!inside(path, false) || !inside(folder, true))
        return Status::OutsideRoot;
    if (!taken(path) || !QFileInfo(folder).isDir())
        return Status::NotFound;
    const QFileInfo info(path);
    const QString source = QDir::cleanPath(info.absoluteFilePath());
    const QString destination = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (info.isDir() && !info.isSymLink() &&
        (destination == source || destination.startsWith(source + u'/')))
        return Status::IntoItself;
    const QString target = QDir(destination).filePath(info.fileName());
    if (target == source) {
        if (moved)
            *moved = target;
        return Status::Ok;
    }
    if (taken(target))
        return Status::NameExists;
    if (!QFile::rename(source, target))
        return fail(QStringLiteral("\"%1\" could not be moved to \"%2\"").arg(source, destination));
    if (moved)
        *moved = target;
    return Status::Ok;
}

FavoritesTree::Status FavoritesTree::Delete(const QString& path) {
    if (!inside(path, false))
        return Status::OutsideRoot;
    if (!taken(path))
        return Status::NotFound;
    const QFileInfo info(path);
    if (QFile::moveToTrash(path))
        return Status::Ok;
    // No trash (or another file system): delete for good. A symbolic link
    // goes itself, never what it points at.
    const bool removed =
        info.isDir() && !info.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (!removed)
        return fail(QStringLiteral("\"%1\" could not be deleted").arg(path));
    return Status::Ok;
}
