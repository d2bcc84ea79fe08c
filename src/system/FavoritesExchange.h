#pragma once

#include "system/BookmarkHtml.h"

#include <QString>

// Moves favorites between the Favorites folder tree and bookmark files.

// Name of the folder whose links fill the link bar.
inline constexpr char kLinksFolderName[] = "Links";

// The Favorites folder as a bookmark tree: in each folder the subfolders,
// then the links, each by name (case ignored). ".url" links give their
// address, ".lnk" and ".desktop" links the address they resolve to;
// unreadable ones are left out. The Links folder is marked as the toolbar
// folder. A folder reached twice (through a symbolic link) is read once,
// and reading stops at kMaxBookmarkDepth levels and kMaxBookmarkItems items.
BookmarkNode ReadFavoritesAsBookmarks(const QString& favoritesFolder);

struct FavoritesImportResult {
    int added = 0;      // shortcuts written
    int present = 0;    // links already there under that name and address
    int failed = 0;     // links the file system refused
    QString firstError; // its reason, for the first failure
};

// Writes the links of tree into favoritesFolder, folders as subfolders: a
// folder of an existing name is merged into, the toolbar folder goes into
// the Links folder. Names pass through FavoritesTree::FileNameFor; a link
// without a name takes one from its address. A link whose name is taken by
// another address is written as "name (2)" and so on, one with the same
// address is left as it is: importing a file twice adds nothing. Each
// shortcut is written atomically.
FavoritesImportResult ImportBookmarksIntoFavorites(const BookmarkNode& tree,
                                                   const QString& favoritesFolder);
