#pragma once

#include <QString>

class QWidget;

// The import and export of favorites as the user runs them: the file is
// chosen through the dialog runner, the work runs under the wait cursor,
// and the outcome is told in a message.

// Reads a bookmark file into favoritesFolder (ImportBookmarksIntoFavorites).
// A file that is no bookmark file, or one too large, imports nothing.
// Returns the number of shortcuts written, -1 when cancelled or refused.
int ImportFavoritesInteractive(QWidget* parent, const QString& favoritesFolder);

// Writes favoritesFolder to a bookmark file, replacing it atomically.
// Returns whether the file was written.
bool ExportFavoritesInteractive(QWidget* parent, const QString& favoritesFolder);
