#pragma once

#include <QList>
#include <QString>

// One level of the Favorites folder tree as the Favorites menus show it:
// the subfolders and the links of one folder.
//
// Entries: a folder becomes a folder item; "name.url" (extension in any
// case) a link to the address read from the shortcut (bounded reader; an
// unreadable or empty one is skipped); "name.lnk" or "name.desktop" a
// link whose target is the file's own path, resolved when it is opened
// (ResolveFavoriteShortcut). Anything else, hidden entries and "." / ".."
// are skipped. The shown name is the file name without that extension.
struct FavoritesFolderEntry {
    QString name;
    QString path;   // full path of the entry
    QString target; // links: the address, or the shortcut's own path
};

struct FavoritesFolderListing {
    QList<FavoritesFolderEntry> folders;
    QList<FavoritesFolderEntry> links;
};

// Most entries of one folder that are looked at: far beyond the command ids
// the menus have for links, it bounds the work a huge folder can cause.
inline constexpr int kMaxFavoritesFolderEntries = 10000;

// Reads folder. sorted: folders and links each in ascending order of name,
// case ignored, equal names in enumeration order; otherwise both keep the
// order in which the file system lists them. A missing folder is empty.
FavoritesFolderListing ReadFavoritesFolder(const QString& folder, bool sorted);

// The link extension of a file name (".url", ".lnk" or ".desktop" in any
// case, with its dot) after at least one character; empty for other names.
QString FavoriteLinkExtension(const QString& fileName);

// Whether a stored target is a shortcut file to resolve on opening: it ends
// in ".lnk" or ".desktop" (case ignored) after at least one character.
bool IsFavoriteShortcutTarget(const QString& target);

// The address a ".lnk" or ".desktop" shortcut leads to: a symbolic link's
// target (an Internet shortcut's address when it points at one, else the
// file's URL), or the URL= value of a link-type desktop entry. Empty when
// it cannot be resolved.
QString ResolveFavoriteShortcut(const QString& path);
