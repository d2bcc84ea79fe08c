#include "system/FavoritesExchangeUi.h"

#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/FavoritesExchange.h"
#include "system/FavoritesMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

FileDialogRequest bookmarkFileRequest(QWidget* parent, FileDialogRequest::Mode mode,
                                      unsigned titleId) {
    FileDialogRequest request;
    request.mode = mode;
    request.parent = parent;
    request.caption = res::loadString(titleId);
    request.nameFilters = {QStringLiteral("Bookmark Files(*.htm *.html)"),
                           QStringLiteral("All Files(*)")};
    request.defaultSuffix = QStringLiteral("htm");
    request.directory = mode == FileDialogRequest::Mode::Save
                            ? QDir::home().filePath(QStringLiteral("bookmark.htm"))
                            : QDir::homePath();
    return request;
}

void showCannotOpen(QWidget* parent, const QString& path) {
    ShowFavoritesMessage(parent, res::formatString(sid::CannotOpenFile, {{"%filename%", path}}),
                         MB_OK | MB_ICONSTOP);
}

// The file's bytes; nothing when it is no regular file, too large or
// unreadable.
std::optional<QByteArray> readBookmarkFile(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxBookmarkFileSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxBookmarkFileSize + 1);
    if (bytes.size() > kMaxBookmarkFileSize)
        return std::nullopt;
    return bytes;
}

QString importedText(const FavoritesImportResult& result, bool truncated) {
    QString text =
        res::formatString(sid::FavoritesImported, {{"%count%", QString::number(result.added)},
                                                   {"%present%", QString::number(result.present)}});
    if (result.failed > 0)
        text +=
            QStringLiteral("\n\n") + res::formatString(sid::FavoritesImportFailed,
                                                       {{"%count%", QString::number(result.failed)},
                                                        {"%reason%", result.firstError}});
    if (truncated)
        text += QStringLiteral("\n\n") + res::loadString(sid::BookmarkFileCut);
    return text;
}

} // namespace

int ImportFavoritesInteractive(QWidget* parent, const QString& favoritesFolder) {
    const std::optional<QString> path = DialogRunner::instance().chooseFile(
        bookmarkFileRequest(parent, FileDialogRequest::Mode::Open, sid::ImportFavoritesTitle));
    if (!path || path->isEmpty())
        return -1;
    BookmarkParseResult parsed;
    FavoritesImportResult result;
    {
        const WaitCursor wait;
        const std::optional<QByteArray> bytes = readBookmarkFile(*path);
        if (!bytes) {
            showCannotOpen(parent, *path);
            return -1;
        }
        parsed = ParseBookmarkHtml(*bytes);
        if (parsed.recognised)
            result = ImportBookmarksIntoFavorites(parsed.root, favoritesFolder);
    }
    if (!parsed.recognised) {
        ShowFavoritesMessage(parent,
                             res::formatString(sid::NotABookmarkFile, {{"%filename%", *path}}),
                             MB_OK | MB_ICONWARNING);
        return -1;
    }
    ShowFavoritesMessage(parent, importedText(result, parsed.truncated),
                         MB_OK | (result.failed > 0 ? MB_ICONWARNING : MB_ICONINFORMATION));
    return result.added;
}

bool ExportFavoritesInteractive(QWidget* parent, const QString& favoritesFolder) {
    const std::optional<QString> path = DialogRunner::instance().chooseFile(
        bookmarkFileRequest(parent, FileDialogRequest::Mode::Save, sid::ExportFavoritesTitle));
    if (!path || path->isEmpty())
        return false;
    int count = 0;
    bool written = false;
    {
        const WaitCursor wait;
        const BookmarkNode tree = ReadFavoritesAsBookmarks(favoritesFolder);
        count = CountBookmarkLinks(tree);
        const QByteArray text = BookmarkHtmlText(tree);
        QSaveFile file(*path);
        written =
            file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    }
    if (!written) {
        showCannotOpen(parent, *path);
        return false;
    }
    ShowFavoritesMessage(
        parent,
        res::formatString(sid::FavoritesExported,
                          {{"%count%", QString::number(count)}, {"%filename%", *path}}),
        MB_OK | MB_ICONINFORMATION);
    return true;
}
